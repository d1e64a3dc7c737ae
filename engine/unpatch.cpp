#include "engine/unpatch.h"

namespace quernel {

std::string Unpatch(UnpatchMode, std::string_view) {
    throw UnpatchFailure(FailureKind::OutOfRange, 0, "the conversion is not built yet");
}

}  // namespace quernel
