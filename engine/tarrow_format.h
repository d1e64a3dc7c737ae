#pragma once

#include "engine/code_lines.h"
#include "engine/output_text.h"

namespace quernel {

// Tarrow Format: one entry per line, "name|codes|tail", the codes being a repeater code and its
// target code. Each entry becomes one "name index|address value|tail" line per repetition; lines
// without a bar leave nothing.
void ConvertTarrowFormat(const CodeLines& lines, OutputText& output);

}  // namespace quernel
