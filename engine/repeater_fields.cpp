#include "engine/repeater_fields.h"

#include "engine/char_slicing.h"

namespace quernel {

std::string_view CutRepeaterText(std::string_view code) {
    return LeftChars(MidChars(code, 4, 7), 5);
}

std::string_view CutValueStepField(std::string_view code, int window) {
    return LeftChars(MidChars(code, 10, window), 4);
}

std::int16_t ReadValueStep(std::string_view value_step_field, const FieldSite& site) {
    return NarrowValueStep(ReadHexField(value_step_field, site), value_step_field, site);
}

std::int32_t ReadCount(std::string_view repeater_text, const FieldSite& site) {
    return ReadHexField(LeftChars(repeater_text, 3), site);
}

std::int32_t ReadAddressStep(std::string_view repeater_text, const FieldSite& site) {
    return ReadHexField(
        MidChars(repeater_text, 4, static_cast<std::ptrdiff_t>(repeater_text.size())), site);
}

}  // namespace quernel
