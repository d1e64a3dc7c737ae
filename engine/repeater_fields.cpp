#include "engine/repeater_fields.h"

#include "engine/char_slicing.h"

namespace quernel {

std::string_view CutRepeaterText(std::string_view code) {
    return LeftChars(MidChars(code, 4, 7), 5);
}

std::string_view CutValueStepField(std::string_view code, int window) {
    return LeftChars(MidChars(code, 10, window), 4);
}

std::int16_t ReadValueStep(std::string_view valueStepField, const FieldSite& site) {
    return NarrowValueStep(ReadHexField(valueStepField, site), valueStepField, site);
}

std::int32_t ReadCount(std::string_view repeaterText, const FieldSite& site) {
    return ReadHexField(LeftChars(repeaterText, 3), site);
}

std::int32_t ReadAddressStep(std::string_view repeaterText, const FieldSite& site) {
    return ReadHexField(MidChars(repeaterText, 4, static_cast<std::ptrdiff_t>(repeaterText.size())),
                        site);
}

}  // namespace quernel
