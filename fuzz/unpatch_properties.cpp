#include "fuzz/unpatch_properties.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "engine/char_slicing.h"

namespace quernel::fuzz {
namespace {

[[noreturn]] void Violated(const char* property, std::string_view detail) {
    std::fprintf(stderr, "property violated: %s\n  %.*s\n", property,
                 static_cast<int>(detail.size()), detail.data());
    std::abort();
}

void Expect(bool holds, const char* property, std::string_view detail = {}) {
    if (!holds) {
        Violated(property, detail);
    }
}

std::vector<std::string_view> SplitAtCrLf(std::string_view text) {
    std::vector<std::string_view> lines;
    if (text.empty()) {
        return lines;
    }
    std::size_t start = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string_view::npos;
         at = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, at - start));
        start = at + 2;
    }
    lines.push_back(text.substr(start));
    return lines;
}

bool IsUpperHex(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789ABCDEF") == std::string_view::npos;
}

bool StartsWithAnyOf(std::string_view line, std::string_view firsts) {
    return !line.empty() && firsts.find(line.front()) != std::string_view::npos;
}

// Two characters of type prefix, six upper-case address digits, a blank, a value.
bool IsPlainTextExpansionLine(std::string_view line) {
    const std::string_view rest = line.substr(LeftChars(line, 2).size());
    return rest.size() > 7 && IsUpperHex(rest.substr(0, 6)) && rest[6] == ' ';
}

// name, a blank, an index from 1 to 4095, a bar, eight upper-case address digits, a blank, a
// value without a bar, and a tail that begins with a bar.
bool IsTarrowLine(std::string_view line) {
    const std::size_t bar = line.find('|');
    if (bar == std::string_view::npos) {
        return false;
    }
    const std::string_view head = line.substr(0, bar);
    const std::size_t blank = head.rfind(' ');
    if (blank == std::string_view::npos) {
        return false;
    }
    const std::string_view index = head.substr(blank + 1);
    if (index.empty() || index.size() > 4 || index.front() == '0' ||
        index.find_first_not_of("0123456789") != std::string_view::npos ||
        std::stoi(std::string(index)) > 4095) {
        return false;
    }
    const std::string_view code = line.substr(bar + 1);
    return code.size() > 9 && IsUpperHex(code.substr(0, 8)) && code[8] == ' ' &&
           code.find('|', 9) != std::string_view::npos;
}

void CheckOutput(UnpatchMode mode, std::string_view input, const std::string& output) {
    Expect(output.empty() || output.ends_with("\r\n"), "a non-empty output ends with CR LF",
           output);
    std::vector<std::string_view> lines = SplitAtCrLf(output);
    if (!lines.empty()) {
        lines.pop_back();  // what follows the closing CR LF
    }
    for (const std::string_view line : lines) {
        if (mode == UnpatchMode::TarrowFormat) {
            Expect(IsTarrowLine(line), "every Tarrow output line is a numbered one-code entry",
                   line);
        } else {
            Expect(!StartsWithAnyOf(line, "583") || IsPlainTextExpansionLine(line),
                   "a Plain Text output line is a copied line or a code of an expansion", line);
        }
    }
    // Ordinary lines are copied as they stand.
    const std::vector<std::string_view> inputLines = SplitAtCrLf(input);
    bool allOrdinary = mode == UnpatchMode::PlainText;
    for (const std::string_view line : inputLines) {
        allOrdinary = allOrdinary && !StartsWithAnyOf(line, "583");
    }
    if (allOrdinary) {
        Expect(output == (input.empty() ? std::string() : std::string(input) + "\r\n"),
               "a list of ordinary Plain Text lines comes back unchanged", output);
    }
}

}  // namespace

void CheckUnpatch(UnpatchMode mode, const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    try {
        CheckOutput(mode, input, Unpatch(mode, input));
    } catch (const UnpatchFailure& failure) {
        const auto input_lines = static_cast<LineNumber>(SplitAtCrLf(input).size());
        Expect(failure.line() >= 1 && failure.line() <= input_lines,
               "a failure names a line of the input", failure.what());
        Expect(std::string_view(failure.what())
                   .starts_with("line " + std::to_string(failure.line()) + ": "),
               "a failure's message begins with its line", failure.what());
    }
}

}  // namespace quernel::fuzz
