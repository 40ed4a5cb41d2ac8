// Makes every picture, font, sound and the hints page of the game folder.
// Usage: vlims_artwork <game folder> <contact sheet .png>
#include <chrono>
#include <cstdio>

#include "ArtworkSet.h"
#include "Catalogue.h"
#include "ContactSheet.h"
#include "HintsPage.h"
#include "ScreenMockup.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: vlims_artwork <game folder> <preview.png>\n");
        return 2;
    }
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
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    std::printf("vlims_artwork: %d files in %s, preview %s, %lld ms\n", files, argv[1], argv[2],
                static_cast<long long>(elapsed.count()));
    return set.Ok() && previewOk ? 0 : 1;
}
