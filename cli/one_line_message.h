#pragma once

#include <string>
#include <string_view>

namespace quernel::cli {

// The message with every control character written as an escape (\r, \n, \t or \xHH), so that
// text quoted from the input keeps the message on one line and cannot steer the terminal.
std::string OneLineMessage(std::string_view message);

}  // namespace quernel::cli
