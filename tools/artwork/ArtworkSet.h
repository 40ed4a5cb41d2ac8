#pragma once
#include <map>
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

    // An extra picture for the contact sheet only, shown first.
    void AddPreview(const std::string& name, SurfacePtr picture);

    const std::vector<Picture>& Pictures() const { return pictures_; }
    // A saved picture by file name, flattened; null when none was saved.
    cairo_surface_t* Find(const std::string& name) const;
    // The bytes saved under a game path, empty when none were.
    std::string Bytes(const std::string& gamePath) const;
    int FilesWritten() const { return filesWritten_; }
    // False once any file could not be written (each failure is on stderr).
    bool Ok() const { return ok_; }

  private:
    std::string HostFile(const std::string& gamePath);

    std::string gameDir_;
    std::vector<Picture> pictures_;
    std::map<std::string, std::string> bytes_;
    int filesWritten_ = 0;
    int previews_ = 0;
    bool ok_ = true;
};
