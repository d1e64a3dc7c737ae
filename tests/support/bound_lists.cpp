#include "tests/support/bound_lists.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "engine/output_text.h"

namespace quernel::testing {
namespace {

constexpr int kLinesPerRepeater = 4095;

// The pieces of one format's list and the expansion of its full repeater code.
struct ListShape {
    std::string silent_line;
    std::vector<std::string> full_repeater;      // the input lines of a Count FFF repeater code
    std::vector<std::string> one_line_repeater;  // the same with Count 0
    std::string expansion;                       // the output of full_repeater
};

ListShape PlainTextShape() {
    ListShape shape{"80000000 0000",
                    {"500FFF04 0001", "80100000 0010"},
                    {"50000004 0001", "80100000 0010"},
                    {}};
    for (int k = 0; k < kLinesPerRepeater; ++k) {
        char line[32];
        std::snprintf(line, sizeof line, "80%06X %04X\r\n", 0x100000 + 4 * k, 0x10 + k);
        shape.expansion += line;
    }
    return shape;
}

ListShape TarrowShape() {
    ListShape shape{"Main codes and notes",
                    {"E|500FFF04 0001    20100000 0010|"},
                    {"E|50000004 0001    20100000 0010|"},
                    {}};
    for (int k = 0; k < kLinesPerRepeater; ++k) {
        char line[48];
        std::snprintf(line, sizeof line, "E %d|%08X %04X|\r\n", k + 1, 0x20100000 + 4 * k,
                      0x10 + k);
        shape.expansion += line;
    }
    return shape;
}

// A single output line of exactly length bytes, CR LF included, and the input line that makes
// it: a copied line in Plain Text, a one-line entry with a long name in the Tarrow Format.
void AddFiller(UnpatchMode mode, std::size_t length, std::vector<std::string>& lines,
               std::string& output) {
    if (mode == UnpatchMode::PlainText) {
        const std::string line(length - 2, 'x');
        lines.push_back(line);
        output += line + "\r\n";
        return;
    }
    const std::string name(length - std::string_view(" 1|20100000 0010|\r\n").size(), 'N');
    lines.push_back(name + "|50000004 0001    20100000 0010|");
    output += name + " 1|20100000 0010|\r\n";
}

std::string JoinWithCrLf(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += i == 0 ? "" : "\r\n";
        text += lines[i];
    }
    return text;
}

}  // namespace

std::string_view BoundOutcomeName(BoundOutcome outcome) {
    switch (outcome) {
        case BoundOutcome::AtBound:
            return "AtBound";
        case BoundOutcome::OneOver:
            return "OneOver";
        case BoundOutcome::FarOver:
            return "FarOver";
    }
    return "Unknown";
}

BoundList MakeBoundList(UnpatchMode mode, std::size_t silent_bytes, BoundOutcome outcome) {
    const ListShape shape = mode == UnpatchMode::PlainText ? PlainTextShape() : TarrowShape();
    std::vector<std::string> lines(silent_bytes / (shape.silent_line.size() + 2),
                                   shape.silent_line);
    const std::size_t fitting = kMaxOutputBytes / shape.expansion.size();
    BoundList list;
    const auto add_repeaters = [&](std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            lines.insert(lines.end(), shape.full_repeater.begin(), shape.full_repeater.end());
        }
    };
    if (outcome == BoundOutcome::FarOver) {
        add_repeaters(fitting);
        list.failing_line = static_cast<LineNumber>(lines.size()) + 1;
        add_repeaters(fitting);
    } else {
        add_repeaters(fitting);
        list.expected_output.reserve(kMaxOutputBytes);
        for (std::size_t i = 0; i < fitting; ++i) {
            list.expected_output += shape.expansion;
        }
        AddFiller(mode, kMaxOutputBytes - list.expected_output.size(), lines, list.expected_output);
        if (outcome == BoundOutcome::OneOver) {
            list.failing_line = static_cast<LineNumber>(lines.size()) + 1;
            lines.insert(lines.end(), shape.one_line_repeater.begin(),
                         shape.one_line_repeater.end());
        }
    }
    if (list.failing_line != 0) {
        list.expected_output.clear();
    }
    list.input = JoinWithCrLf(lines);
    return list;
}

std::size_t FirstDifference(std::string_view a, std::string_view b) {
    return static_cast<std::size_t>(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first -
                                    a.begin());
}

}  // namespace quernel::testing
