#pragma once

#include "engine/code_lines.h"
#include "engine/output_text.h"

namespace quernel {

// Plain Text: one code per line. A line starting with "5" is a repeater code for the line after
// it and is replaced by its expansion; lines starting with "8" or "3" are left out; every other
// line is copied.
void ConvertPlainText(const CodeLines& lines, OutputText& output);

}  // namespace quernel
