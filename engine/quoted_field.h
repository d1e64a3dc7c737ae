#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quernel {

// A field as failure messages quote it: in double quotes, its first max_chars characters, then
// "..." when there are more. The message must stay one printable line whatever the field holds,
// so control characters, a quote, a backslash and bytes that are not UTF-8 are escaped:
// \t \r \n \" \\ by name, other control bytes and stray bytes as \xNN, the C1 controls as \uNNNN.
std::string QuoteField(std::string_view field, std::size_t max_chars);

}  // namespace quernel
