#pragma once

#include "engine/unpatch_failure.h"

namespace quernel {

// Runs visit(), the conversion of one input line. The helpers it calls know what failed but not
// where; a failure leaving it is reported at lineNumber.
template <typename Visit>
void VisitLine(int lineNumber, Visit&& visit) {
    try {
        visit();
    } catch (const UnpatchFailure& failure) {
        throw UnpatchFailure(failure.kind(), lineNumber, failure.explanation());
    }
}

}  // namespace quernel
