#include "support/TempWorkDir.h"

#include <fstream>
#include <iterator>
#include <random>

namespace {
// A new folder of its own, as mkdtemp makes (create_directory refuses one that
// already exists), with nothing but the standard library so the suite builds
// for Windows too.
std::filesystem::path MakeUniqueFolder() {
    static std::mt19937_64 generator{std::random_device{}()};
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (;;) {
        std::filesystem::path candidate = base / ("vlims-test-" + std::to_string(generator()));
        if (std::filesystem::create_directory(candidate))
            return candidate;
    }
}
}  // namespace

TempWorkDir::TempWorkDir() : previous_(std::filesystem::current_path()), path_(MakeUniqueFolder()) {
    std::filesystem::current_path(path_);
}

TempWorkDir::~TempWorkDir() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
}

void TempWorkDir::WriteFile(const std::string& name, const std::string& bytes) const {
    std::filesystem::path file = path_ / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string TempWorkDir::ReadFile(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool TempWorkDir::Exists(const std::string& name) const {
    return std::filesystem::exists(path_ / name);
}
