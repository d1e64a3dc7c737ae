#pragma once

#include <string>
#include <string_view>

namespace quernel::web {

// A page's text box separates lines with LF where the engine reads CR LF: every LF becomes CR LF.
// (A box holds no CR of its own: browsers turn every line break of a box into LF.)
std::string CodeListOfBoxText(std::string_view box_text);

}  // namespace quernel::web
