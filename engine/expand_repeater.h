#pragma once

#include <cstdint>
#include <string_view>

#include "engine/hex_fields.h"
#include "engine/hex_text.h"
#include "engine/repeater_fields.h"
#include "engine/unpatch_failure.h"

namespace quernel {

// The repetition index is a signed 16-bit number.
inline constexpr int kLargestRepetitionIndex = 32767;

// Sums of addresses and values wrap around in 32 bits, as the device's registers do.
inline std::int32_t WrappingAdd(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

// Calls write(index, address_text, value_text) once per repetition, index from 1. The first line
// carries the value as typed; later lines the advanced value, written back in hex. Writes at
// least one line, even for a Count of 0. Throws BadPosition when an address to be written has
// more digits than width.
template <typename LineWriter>
void ExpandRepeater(const RepeaterFields& repeater, const TargetFields& target, int width,
                    LineWriter&& write) {
    std::int32_t address = target.Address;
    std::int32_t value = target.Value;
    ShortText value_text;
    std::string_view shown_value = target.ValueText;
    int index = 0;
    do {
        ++index;
        if (index > kLargestRepetitionIndex) {
            throw UnpatchFailure(FailureKind::OutOfRange, 0, "the repetition index passes 32767");
        }
        write(index, PadAddress(FormatHex(address), width).view(), shown_value);
        address = WrappingAdd(address, repeater.AddressStep);
        value = WrappingAdd(value, repeater.ValueStep);
        value_text = PadValue(FormatHex(value));
        shown_value = value_text.view();
    } while (index < repeater.Count);
}

}  // namespace quernel
