#pragma once
#include <string>
#include <vector>

#include "Canvas.h"

// The files being made, under one game folder. Paths are given as the game
// names them ("Graphics\Gui\Icon.bmp") and mapped to the host's folders
// here. Every picture saved is also kept, flattened, for the contact sheet.
class ArtworkSet {
  public:
    struct Picture {
        std::string name;  // the file name without its folders
        SurfacePtr flattened;
    };

    explicit ArtworkSet(std::string gameDir);

    void SavePicture(const std::string& gamePath, const Canvas& canvas);
    void SaveBytes(const std::string& gamePath, const std::string& bytes);
    // A PNG beside the hints page, not shown in the contact sheet.
    void SavePng(const std::string& gamePath, const Canvas& canvas);

    const std::vector<Picture>& Pictures() const { return pictures_; }
    int FilesWritten() const { return filesWritten_; }
    // False once any file could not be written (each failure is on stderr).
    bool Ok() const { return ok_; }

  private:
    std::string HostFile(const std::string& gamePath);

    std::string gameDir_;
    std::vector<Picture> pictures_;
    int filesWritten_ = 0;
    bool ok_ = true;
};
