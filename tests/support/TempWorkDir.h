#pragma once
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

// A fresh empty working directory for a test (the game reads and writes
// relative to it); the old one back afterwards.
class TempWorkDir {
  public:
    TempWorkDir() : previous_(std::filesystem::current_path()), path_(MakeUniqueFolder()) {
        std::filesystem::current_path(path_);
    }
    ~TempWorkDir() {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempWorkDir(const TempWorkDir&) = delete;
    TempWorkDir& operator=(const TempWorkDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // A file and its folders; `name` uses '/' separators.
    void WriteFile(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories((path_ / name).parent_path());
        std::ofstream(path_ / name, std::ios::binary) << bytes;
    }
    std::string ReadFile(const std::string& name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }

  private:
    // A new folder of its own, as mkdtemp makes, in standard C++ for Windows too.
    static std::filesystem::path MakeUniqueFolder() {
        static std::mt19937_64 generator{std::random_device{}()};
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        for (;;) {
            std::filesystem::path candidate = base / ("vlims-test-" + std::to_string(generator()));
            if (std::filesystem::create_directory(candidate))
                return candidate;
        }
    }

    std::filesystem::path previous_;
    std::filesystem::path path_;
};
