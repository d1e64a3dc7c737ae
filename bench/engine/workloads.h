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
// 1,000,000 repeater codes with their target codes, each followed by a copied line: output
// alternates between expanded and copied lines.
Workload AlternatingPlainText();
// The same lines grouped: all repeater codes with their target codes, then all copied lines.
Workload GroupedPlainText();
// A 300-line list of headings, ordinary codes and small repeaters, as people paste them.
Workload TypicalPlainText();

}  // namespace quernel::bench
