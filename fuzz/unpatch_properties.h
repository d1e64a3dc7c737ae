#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/unpatch.h"

namespace quernel::fuzz {

// Runs Unpatch on data and aborts unless the result keeps the properties of mode: either an
// output that is empty or ends with CR LF and whose every line has the shape of the mode, or an
// UnpatchFailure whose line lies within the input; nothing else may come out of it.
void CheckUnpatch(UnpatchMode mode, const std::uint8_t* data, std::size_t size);

}  // namespace quernel::fuzz
