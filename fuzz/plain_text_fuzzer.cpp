#include "fuzz/unpatch_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quernel::fuzz::CheckUnpatch(quernel::UnpatchMode::PlainText, data, size);
    return 0;
}
