#include "web/box_text.h"

#include <algorithm>

namespace quernel::web {

std::string CodeListOfBoxText(std::string_view box_text) {
    std::string code_list;
    code_list.reserve(box_text.size() + std::count(box_text.begin(), box_text.end(), '\n'));
    std::size_t line_start = 0;
    for (std::size_t lf = box_text.find('\n'); lf != std::string_view::npos;
         lf = box_text.find('\n', line_start)) {
        code_list.append(box_text.substr(line_start, lf - line_start));
        code_list.append("\r\n");
        line_start = lf + 1;
    }
    code_list.append(box_text.substr(line_start));
    return code_list;
}

}  // namespace quernel::web
