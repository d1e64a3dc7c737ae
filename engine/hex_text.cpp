#include "engine/hex_text.h"

#include <string>

#include "engine/unpatch_failure.h"

namespace quernel {

void ThrowAddressTooLong(const ShortText& text, int width) {
    throw UnpatchFailure(FailureKind::BadPosition, 0,
                         "the address " + std::string(text.view()) + " is longer than " +
                             std::to_string(width) + " digits");
}

}  // namespace quernel
