#pragma once
#include <filesystem>
#include <string>

// Runs a test inside a fresh empty working directory (the game reads and
// writes everything relative to it) and restores the old one afterwards.
class TempWorkDir {
  public:
    TempWorkDir();
    ~TempWorkDir();
    TempWorkDir(const TempWorkDir&) = delete;
    TempWorkDir& operator=(const TempWorkDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // Creates a file (and its folders) under the working directory; `name`
    // uses '/' separators.
    void WriteFile(const std::string& name, const std::string& bytes) const;
    std::string ReadFile(const std::string& name) const;
    bool Exists(const std::string& name) const;

  private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};
