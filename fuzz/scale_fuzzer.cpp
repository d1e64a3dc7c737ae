// Fuzzes Unpatch with large lists made from short descriptions, so that every run explores the
// output bound and the growth of a large output, which inputs of a few kilobytes never reach.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/output_text.h"
#include "fuzz/scale_list.h"

namespace {

void Expect(bool holds, const char* property, const quernel::fuzz::ScaleList& list,
            const std::string& detail) {
    if (!holds) {
        std::fprintf(stderr,
                     "property violated: %s\n  %s\n  expected %llu bytes in %llu lines, failing "
                     "line %lld\n",
                     property, detail.c_str(), static_cast<unsigned long long>(list.output_bytes),
                     static_cast<unsigned long long>(list.output_lines),
                     static_cast<long long>(list.failing_line));
        std::abort();
    }
}

// The lists hold no LF but in their line breaks.
std::uint64_t CountLines(const std::string& text) {
    return static_cast<std::uint64_t>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quernel;
    const fuzz::ScaleList list = fuzz::MakeScaleList(data, size);
    try {
        const std::string output = Unpatch(list.mode, list.input);
        const std::string detail = "converted to " + std::to_string(output.size()) + " bytes";
        Expect(list.failing_line == 0, "a list whose output passes the bound fails", list, detail);
        Expect(output.size() <= kMaxOutputBytes, "the output stays within the bound", list, detail);
        Expect(output.size() == list.output_bytes, "the output has the expected size", list,
               detail);
        Expect(CountLines(output) == list.output_lines, "the output has the expected lines", list,
               detail);
    } catch (const UnpatchFailure& failure) {
        Expect(failure.kind() == FailureKind::OutOfRange && failure.line() == list.failing_line,
               "only the bound fails, at the line whose output passes it", list, failure.what());
    }
    return 0;
}
