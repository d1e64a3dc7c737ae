#include "engine/plain_text.h"

#include <iterator>

#include "engine/char_slicing.h"
#include "engine/expand_repeater.h"
#include "engine/line_failure.h"
#include "engine/repeater_fields.h"

namespace quernel {
namespace {

constexpr int kAddressWidth = 6;

// Expands the repeater code on line lineNumber; target is the line after it, or the end.
void ExpandPlainTextRepeater(std::string_view code, CodeLines::Iterator target,
                             CodeLines::Iterator end, int lineNumber, OutputText& output) {
    const std::string_view repeaterText = CutRepeaterText(code);
    if (target == end) {
        throw UnpatchFailure(FailureKind::NoNextLine, 0,
                             "the repeater code stands on the last line; its target code must "
                             "follow on the next line");
    }
    const std::string_view targetCode = *target;
    const std::string_view addressField = MidChars(targetCode, 3, 7);
    // The type digits stay apart from the address: written back as typed, never carried into.
    const std::string_view typePrefix = LeftChars(targetCode, 2);

    const int targetLine = lineNumber + 1;
    RepeaterFields repeater;
    TargetFields fields;
    repeater.ValueStep =
        ReadValueStep(CutValueStepField(code, 13), {"value step field", "repeater code"});
    fields.ValueText = MidChars(targetCode, 10, 13);
    fields.Value = ReadHexField(fields.ValueText, {"value field", "target code", targetLine});
    repeater.Count = ReadCount(repeaterText, {"count field", "repeater code"});
    repeater.AddressStep = ReadAddressStep(repeaterText, {"address step field", "repeater code"});
    fields.Address = ReadHexField(addressField, {"address field", "target code", targetLine});

    ExpandRepeater(repeater, fields, kAddressWidth,
                   [&](int, std::string_view address, std::string_view value) {
                       output.AppendLine(typePrefix, address, ' ', value);
                   });
}

// Consecutive copied lines stand in the input exactly as they go out, CR LF between them, so a
// run of them is appended in one piece.
class CopiedLines {
public:
    void Add(std::string_view line, int lineNumber) {
        if (firstLine_ == 0) {
            firstLine_ = lineNumber;
            lines_ = line;
        } else {
            lines_ = {lines_.data(),
                      static_cast<std::size_t>(line.data() + line.size() - lines_.data())};
        }
    }

    void MoveTo(OutputText& output) {
        if (firstLine_ != 0) {
            output.AppendLines(lines_, firstLine_);
            *this = CopiedLines();
        }
    }

private:
    std::string_view lines_;
    int firstLine_ = 0;  // 0 while there are none
};

}  // namespace

void ConvertPlainText(const CodeLines& lines, OutputText& output) {
    CopiedLines copied;
    int lineNumber = 0;
    for (auto line = lines.begin(); line != lines.end(); ++line) {
        ++lineNumber;
        const std::string_view text = *line;
        const char first = text.empty() ? '\0' : text.front();
        if (first != '5' && first != '8' && first != '3') {
            copied.Add(text, lineNumber);
            continue;
        }
        copied.MoveTo(output);
        if (first == '5') {
            VisitLine(lineNumber, [&] {
                ExpandPlainTextRepeater(text, std::next(line), lines.end(), lineNumber, output);
            });
        }
    }
    copied.MoveTo(output);
}

}  // namespace quernel
