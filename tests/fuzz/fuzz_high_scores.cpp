#include <cstdlib>

#include "FuzzInputs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    if (!fuzz::HighScoresInput(bytes))
        abort();
    return 0;
}
