#pragma once

#include <gtest/gtest.h>

#include <span>
#include <string>

#include "engine/unpatch.h"
#include "tests/engine/case_export.h"
#include "tests/engine/expect_failure.h"

namespace quernel::testing {

// A list and the output it must give.
struct ConversionCase {
    const char* name;
    std::string input;
    std::string expected;
};

// A list that must fail, with the kind and the line of its failure.
struct FailureCase {
    const char* name;
    std::string input;
    FailureKind kind;
    int line;
};

inline void CheckConversions(UnpatchMode mode, std::span<const ConversionCase> rows) {
    for (const ConversionCase& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Unpatch(mode, row.input), row.expected);
        ExportConversion(mode, row.name, row.input, row.expected);
    }
}

inline void CheckFailures(UnpatchMode mode, std::span<const FailureCase> rows) {
    for (const FailureCase& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string message =
            ExpectFailure(row.kind, row.line, [&] { Unpatch(mode, row.input); });
        ExportFailure(mode, row.name, row.input, row.kind, row.line, message);
    }
}

}  // namespace quernel::testing
