#include "engine/unpatch.h"

#include "engine/code_lines.h"
#include "engine/output_text.h"
#include "engine/plain_text.h"
#include "engine/tarrow_format.h"

namespace quernel {

std::string Unpatch(UnpatchMode mode, std::string_view text) {
    OutputText output;
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
