#pragma once

#include <string>

#include "engine/unpatch.h"

namespace quernel::bench {

struct Workload {
    const char* name;
    UnpatchMode mode;
    std::string input;
};

// 500 entries with Count FFF: about 2 million lines, 55 MB out.
Workload BulkTarrow();
// The same expansions as Plain Text repeater codes and target codes.
Workload BulkPlainText();
// 3,000,000 ordinary lines, all copied.
Workload CopyHeavyPlainText();
// A 300-line list of headings, ordinary codes and small repeaters, as people paste them.
Workload TypicalPlainText();

}  // namespace quernel::bench
