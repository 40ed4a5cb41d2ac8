#include "FuzzInputs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return fuzz::Check(data, size, [](const std::string& bytes) {
        return fuzz::BitmapInput(fuzz::ScratchDisplay(), bytes);
    });
}
