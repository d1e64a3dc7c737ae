#pragma once

#include <cstdint>
#include <string_view>

#include "engine/hex_fields.h"

namespace quernel {

// The three numbers a repeater code carries.
struct RepeaterFields {
    std::int32_t Count = 0;        // lines to write; 0 still writes one
    std::int32_t AddressStep = 0;  // added to the address from one line to the next
    std::int16_t ValueStep = 0;    // added to the value from one line to the next
};

// The code a repeater code repeats.
struct TargetFields {
    std::int32_t Address = 0;
    std::int32_t Value = 0;
    std::string_view ValueText;  // the value field exactly as typed, written on the first line
};

// The repeater code's fields lie at fixed character positions of its text (a Plain Text line, or
// a Tarrow entry's codes): Count at 4-6, AddressStep at 7-8, ValueStep at 10-13. Each format cuts
// and reads them in its own order, interleaved with its target code's fields, because the order
// decides which failure a malformed line reports.

// Characters 4 to 8: Count and AddressStep together.
std::string_view CutRepeaterText(std::string_view code);

// Characters 10 to 13. The formats cut a window of 13 (Plain Text) or 14 (Tarrow) characters and
// keep its first four, which gives the same field.
std::string_view CutValueStepField(std::string_view code, int window);

std::int16_t ReadValueStep(std::string_view value_step_field, const FieldSite& site);
std::int32_t ReadCount(std::string_view repeater_text, const FieldSite& site);
std::int32_t ReadAddressStep(std::string_view repeater_text, const FieldSite& site);

}  // namespace quernel
