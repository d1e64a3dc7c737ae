#pragma once

#include <string>
#include <string_view>

namespace quernel::cli {

enum class LineBreak { Lf, CrLf };

// The line break of a text file, judged by its first one; LF for a file without any.
LineBreak FirstLineBreak(std::string_view file_text);

// The lines of a text file, each ended by LF or CR LF (the last one may lack it), joined with
// CR LF as the conversion reads them. The file's final line break adds no empty line; a CR that
// is not followed by LF stays in its line.
std::string JoinLinesWithCrLf(std::string_view file_text);

// Rewrites every CR LF of a converted text as line_break, in place.
void EndLinesWith(std::string& converted_text, LineBreak line_break);

}  // namespace quernel::cli
