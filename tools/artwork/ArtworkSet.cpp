#include "ArtworkSet.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "BmpWriter.h"

ArtworkSet::ArtworkSet(std::string gameDir) : gameDir_(std::move(gameDir)) {}

std::string ArtworkSet::HostFile(const std::string& gamePath) {
    std::string relative = gamePath;
    for (char& c : relative) {
        if (c == '\\')
            c = '/';
    }
    const std::filesystem::path file = std::filesystem::path(gameDir_) / relative;
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    if (error) {
        std::fprintf(stderr, "vlims_artwork: cannot make folder %s: %s\n",
                     file.parent_path().c_str(), error.message().c_str());
        ok_ = false;
    }
    return file.string();
}

void ArtworkSet::SavePicture(const std::string& gamePath, const Canvas& canvas) {
    SaveBytes(gamePath, BmpWriter::Encode(canvas));
    const size_t slash = gamePath.find_last_of('\\');
    pictures_.push_back(Picture{slash == std::string::npos ? gamePath : gamePath.substr(slash + 1),
                                canvas.Flattened()});
}

void ArtworkSet::SaveBytes(const std::string& gamePath, const std::string& bytes) {
    bytes_[gamePath] = bytes;
    const std::string path = HostFile(gamePath);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), std::streamsize(bytes.size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "vlims_artwork: cannot write %s\n", path.c_str());
        ok_ = false;
        return;
    }
    ++filesWritten_;
}

void ArtworkSet::SavePng(const std::string& gamePath, const Canvas& canvas) {
    const std::string path = HostFile(gamePath);
    const SurfacePtr flattened = canvas.Flattened();
    if (cairo_surface_write_to_png(flattened.get(), path.c_str()) != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "vlims_artwork: cannot write %s\n", path.c_str());
        ok_ = false;
        return;
    }
    ++filesWritten_;
}

void ArtworkSet::AddPreview(const std::string& name, SurfacePtr picture) {
    // Previews lead the contact sheet, in the order they were added.
    pictures_.insert(pictures_.begin() + previews_, Picture{name, std::move(picture)});
    ++previews_;
}

cairo_surface_t* ArtworkSet::Find(const std::string& name) const {
    for (const Picture& picture : pictures_) {
        if (picture.name == name)
            return picture.flattened.get();
    }
    return nullptr;
}

std::string ArtworkSet::Bytes(const std::string& gamePath) const {
    const auto found = bytes_.find(gamePath);
    return found == bytes_.end() ? std::string() : found->second;
}
