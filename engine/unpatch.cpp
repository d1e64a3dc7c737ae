#include "engine/unpatch.h"

#include "engine/code_lines.h"
#include "engine/output_text.h"
#include "engine/plain_text.h"
#include "engine/tarrow_format.h"

namespace quernel {

std::string Unpatch(UnpatchMode mode, std::string_view text) {
    // A list of copied lines comes out as long as it went in, with a CR LF closing its last line.
    OutputText output(text.size() + 2);
    const CodeLines lines = SplitCodeLines(text);
    switch (mode) {
        case UnpatchMode::TarrowFormat:
            ConvertTarrowFormat(lines, output);
            break;
        case UnpatchMode::PlainText:
            ConvertPlainText(lines, output);
            break;
    }
    return std::move(output).Take();
}

}  // namespace quernel
