// Makes every picture, font, sound and the hints page of the game folder,
// and the application icons for the desktop.
// Usage: vlims_artwork <game folder> <contact sheet .png> [<icons folder>]
// The icons go to <icons folder>/<size>x<size>/vlims.png; the folder is
// "icons" beside the game folder unless given.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "ArtworkSet.h"
#include "Catalogue.h"
#include "ContactSheet.h"
#include "HintsPage.h"
#include "IconPainter.h"
#include "ScreenMockup.h"

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: vlims_artwork <game folder> <preview.png> [<icons folder>]\n");
        return 2;
    }
    const std::string icons =
        argc == 4 ? argv[3]
                  : (std::filesystem::path(argv[1]) / ".." / "icons").lexically_normal().string();
    const auto start = std::chrono::steady_clock::now();
    ArtworkSet set(argv[1]);
    Catalogue::Vlims(set);
    Catalogue::Interface(set);
    Catalogue::Fonts(set);
    Catalogue::Sounds(set);
    HintsPage::Write(set);
    const int files = set.FilesWritten();
    ScreenMockup::AddTo(set);
    const bool previewOk = ContactSheet::Write(argv[2], set.Pictures());
    const bool iconsOk = IconPainter::WriteAll(icons);
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    std::printf("vlims_artwork: %d files in %s, preview %s, icons in %s, %lld ms\n", files, argv[1],
                argv[2], icons.c_str(), static_cast<long long>(elapsed.count()));
    return set.Ok() && previewOk && iconsOk ? 0 : 1;
}
