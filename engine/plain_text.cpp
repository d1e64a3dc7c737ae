#include "engine/plain_text.h"

#include <iterator>

#include "engine/char_slicing.h"
#include "engine/expand_repeater.h"
#include "engine/line_failure.h"
#include "engine/repeater_fields.h"

namespace quernel {
namespace {

constexpr int kAddressWidth = 6;

// Expands the repeater code on line line_number; target is the line after it, or the end.
void ExpandPlainTextRepeater(std::string_view code, CodeLines::Iterator target,
                             CodeLines::Iterator end, LineNumber line_number, OutputText& output) {
    const std::string_view repeater_text = CutRepeaterText(code);
    if (target == end) {
        throw UnpatchFailure(FailureKind::NoNextLine, 0,
                             "the repeater code stands on the last line; its target code must "
                             "follow on the next line");
    }
    const std::string_view target_code = *target;
    const std::string_view address_field = MidChars(target_code, 3, 7);
    // The type digits stay apart from the address: written back as typed, never carried into.
    const std::string_view type_prefix = LeftChars(target_code, 2);

    const LineNumber target_line = line_number + 1;
    RepeaterFields repeater;
    TargetFields fields;
    repeater.ValueStep =
        ReadValueStep(CutValueStepField(code, 13), {"value step field", "repeater code"});
    fields.ValueText = MidChars(target_code, 10, 13);
    fields.Value = ReadHexField(fields.ValueText, {"value field", "target code", target_line});
    repeater.Count = ReadCount(repeater_text, {"count field", "repeater code"});
    repeater.AddressStep = ReadAddressStep(repeater_text, {"address step field", "repeater code"});
    fields.Address = ReadHexField(address_field, {"address field", "target code", target_line});

    ExpandRepeater(repeater, fields, kAddressWidth,
                   [&](int, std::string_view address, std::string_view value) {
                       output.AppendLine(type_prefix, address, ' ', value);
                   });
}

// Consecutive copied lines stand in the input exactly as they go out, CR LF between them, so a
// run of them is appended in one piece.
class CopiedLines {
public:
    void Add(std::string_view line, LineNumber line_number) {
        if (first_line_ == 0) {
            first_line_ = line_number;
            lines_ = line;
        } else {
            lines_ = {lines_.data(),
                      static_cast<std::size_t>(line.data() + line.size() - lines_.data())};
        }
    }

    void MoveTo(OutputText& output) {
        if (first_line_ != 0) {
            output.AppendLines(lines_, first_line_);
            *this = CopiedLines();
        }
    }

private:
    std::string_view lines_;
    LineNumber first_line_ = 0;  // 0 while there are none
};

}  // namespace

void ConvertPlainText(const CodeLines& lines, OutputText& output) {
    CopiedLines copied;
    LineNumber line_number = 0;
    for (auto line = lines.begin(); line != lines.end(); ++line) {
        ++line_number;
        const std::string_view text = *line;
        const char first = text.empty() ? '\0' : text.front();
        if (first != '5' && first != '8' && first != '3') {
            copied.Add(text, line_number);
            continue;
        }
        copied.MoveTo(output);
        if (first == '5') {
            VisitLine(line_number, [&] {
                ExpandPlainTextRepeater(text, std::next(line), lines.end(), line_number, output);
            });
        }
    }
    copied.MoveTo(output);
}

}  // namespace quernel
