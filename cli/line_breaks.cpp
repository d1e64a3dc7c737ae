#include "cli/line_breaks.h"

#include <algorithm>

namespace quernel::cli {

LineBreak FirstLineBreak(std::string_view file_text) {
    const std::size_t lf = file_text.find('\n');
    if (lf != std::string_view::npos && lf > 0 && file_text[lf - 1] == '\r') {
        return LineBreak::CrLf;
    }
    return LineBreak::Lf;
}

std::string JoinLinesWithCrLf(std::string_view file_text) {
    std::string joined;
    // Each LF becomes at most a CR LF.
    joined.reserve(file_text.size() + std::count(file_text.begin(), file_text.end(), '\n'));
    std::size_t line_start = 0;
    while (line_start < file_text.size()) {
        const std::size_t lf = file_text.find('\n', line_start);
        std::size_t line_end = lf == std::string_view::npos ? file_text.size() : lf;
        if (lf != std::string_view::npos && line_end > line_start &&
            file_text[line_end - 1] == '\r') {
            --line_end;
        }
        if (line_start > 0) {
            joined.append("\r\n");
        }
        joined.append(file_text.substr(line_start, line_end - line_start));
        if (lf == std::string_view::npos) {
            break;
        }
        line_start = lf + 1;
    }
    return joined;
}

void EndLinesWith(std::string& converted_text, LineBreak line_break) {
    if (line_break == LineBreak::CrLf) {
        return;
    }
    // Dropping the CR of every CR LF only shrinks the text, so it is done in place.
    std::size_t kept = 0;
    const std::size_t size = converted_text.size();
    for (std::size_t read = 0; read < size; ++read) {
        const char c = converted_text[read];
        if (c == '\r' && read + 1 < size && converted_text[read + 1] == '\n') {
            continue;
        }
        converted_text[kept++] = c;
    }
    converted_text.resize(kept);
}

}  // namespace quernel::cli
