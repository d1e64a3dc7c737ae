#include "engine/tarrow_format.h"

#include <charconv>

#include "engine/char_slicing.h"
#include "engine/expand_repeater.h"
#include "engine/line_failure.h"
#include "engine/repeater_fields.h"

namespace quernel {
namespace {

constexpr int kAddressWidth = 8;

// An entry line divided at its first two bars. A bar is one byte that no multi-byte UTF-8
// character contains, so cutting at its byte offset is cutting at its character position.
struct Entry {
    std::string_view name;   // before the first bar
    std::string_view codes;  // between the first and the second bar
    std::string_view tail;   // from the second bar to the end of the line
};

Entry DivideEntry(std::string_view line, std::size_t first_bar) {
    const std::string_view rest = line.substr(first_bar + 1);
    const std::size_t second_bar = rest.find('|');
    if (second_bar == std::string_view::npos) {
        throw UnpatchFailure(FailureKind::BadPosition, 0,
                             "the entry has no second bar \"|\" to end its codes");
    }
    return {line.substr(0, first_bar), rest.substr(0, second_bar), rest.substr(second_bar)};
}

void ExpandEntry(const Entry& entry, OutputText& output) {
    const std::string_view repeater_text = CutRepeaterText(entry.codes);
    // The address is read whole with its type digits, so a carry runs into them.
    const std::string_view address_field = LeftChars(MidChars(entry.codes, 18, 24), 8);
    const std::string_view value_step_field = CutValueStepField(entry.codes, 14);

    RepeaterFields repeater;
    TargetFields target;
    repeater.ValueStep = ReadValueStep(value_step_field, {"value step field", "repeater code"});
    // The value runs to the second bar: whatever stands after the target code's value is part of
    // it.
    target.ValueText = MidChars(entry.codes, 27, static_cast<std::ptrdiff_t>(entry.codes.size()));
    target.Value = ReadHexField(target.ValueText, {"value field", "target code"});
    repeater.Count = ReadCount(repeater_text, {"count field", "repeater code"});
    repeater.AddressStep = ReadAddressStep(repeater_text, {"address step field", "repeater code"});
    target.Address = ReadHexField(address_field, {"address field", "target code"});

    ExpandRepeater(repeater, target, kAddressWidth,
                   [&](int index, std::string_view address, std::string_view value) {
                       char digits[8];
                       const auto written = std::to_chars(digits, digits + sizeof digits, index);
                       output.AppendLine(entry.name, ' ', std::string_view(digits, written.ptr),
                                         '|', address, ' ', value, entry.tail);
                   });
}

}  // namespace

void ConvertTarrowFormat(const CodeLines& lines, OutputText& output) {
    LineNumber line_number = 0;
    for (const std::string_view line : lines) {
        ++line_number;
        const std::size_t first_bar = line.find('|');
        if (first_bar != std::string_view::npos) {
            VisitLine(line_number, [&] { ExpandEntry(DivideEntry(line, first_bar), output); });
        }
    }
}

}  // namespace quernel
