#pragma once

#include "engine/unpatch_failure.h"

namespace quernel {

// Runs visit(), the conversion of one input line. The helpers it calls know what failed but not
// where; a failure leaving it is reported at line_number.
template <typename Visit>
void VisitLine(LineNumber line_number, Visit&& visit) {
    try {
        visit();
    } catch (const UnpatchFailure& failure) {
        throw UnpatchFailure(failure.kind(), line_number, failure.explanation());
    }
}

}  // namespace quernel
