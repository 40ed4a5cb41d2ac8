#include "FuzzInputs.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::EnterScratchFolder();
    fuzz::ScratchDisplay();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    if (!fuzz::FontMetricsInput(fuzz::ScratchDisplay(), bytes))
        abort();
    return 0;
}
