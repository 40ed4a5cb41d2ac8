#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "FuzzInputs.h"

namespace {
std::filesystem::path scratch;
void RemoveScratch() {
    std::error_code ignored;
    std::filesystem::remove_all(scratch, ignored);
}
}  // namespace

// The inputs are written as files under the game's own names: work in a
// scratch folder of our own, in memory where the host has one.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char pattern[] = "/dev/shm/vlims-fuzz-XXXXXX";
    char fallback[] = "/tmp/vlims-fuzz-XXXXXX";
    const char* folder = mkdtemp(pattern);
    if (!folder)
        folder = mkdtemp(fallback);
    if (!folder || chdir(folder) != 0)
        abort();
    scratch = folder;
    atexit(RemoveScratch);
    fuzz::ScratchDisplay();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    if (!fuzz::BitmapInput(fuzz::ScratchDisplay(), bytes))
        abort();
    return 0;
}
