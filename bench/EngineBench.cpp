// What the engine's per-tick work costs: drawing text, advancing the sprites
// of a full board and reading motion timers.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/Display.h"
#include "engine/FontSet.h"
#include "engine/Frame.h"
#include "engine/FrameSet.h"
#include "engine/MotionTimer.h"
#include "engine/Sprite.h"
#include "platform/ManualClock.h"

namespace {
// Twenty characters, as in the play screen's panel.
constexpr const char* kText = "Score 1234567 Lvl 89";

// Font sheets and metrics of our own in a scratch working directory, so the
// figures do not depend on the artwork: every glyph 9 pixels wide.
class FontFolder {
  public:
    FontFolder() : previous_(std::filesystem::current_path()) {
        path_ = std::filesystem::temp_directory_path() / "vlims-engine-bench";
        std::filesystem::create_directories(path_ / "Graphics" / "Gui");
        std::filesystem::create_directories(path_ / "Data");
        std::filesystem::current_path(path_);
        WriteFont("Times Roman 10", 256);
        WriteFont("Times Roman 16", 512);
    }
    ~FontFolder() {
        std::filesystem::current_path(previous_);
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

  private:
    static void WriteFont(const std::string& name, int size) {
        SDL_Surface* sheet =
            SDL_CreateRGBSurfaceWithFormat(0, size, size, 24, SDL_PIXELFORMAT_RGB24);
        SDL_FillRect(sheet, nullptr, SDL_MapRGB(sheet->format, 230, 220, 90));
        SDL_SaveBMP(sheet, ("Graphics/Gui/" + name + " Font.bmp").c_str());
        SDL_FreeSurface(sheet);
        std::ofstream("Data/" + name + " Font Metrics.dat", std::ios::binary)
            << std::string(256, '\x09');
    }

    std::filesystem::path previous_;
    std::filesystem::path path_;
};

struct TextScene {
    FontFolder folder;
    Display display;
    std::unique_ptr<FontSet> fonts;
    TextScene() {
        display.Create(nullptr);
        display.SetWindowed(625, 440);
        fonts = std::make_unique<FontSet>(display);
    }
};

void BM_DrawString20(benchmark::State& state) {
    TextScene scene;
    const auto layout = static_cast<TextLayout>(state.range(0));
    for (auto _ : state) {
        scene.fonts->DrawString(scene.display, kText, 1, 420, 100, 610, 200, layout);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 20);  // glyphs
}
BENCHMARK(BM_DrawString20)->Arg(Wrapped)->Arg(RightAligned)->Arg(Centred);

// One glyph's blit on its own, to set DrawString against 20 of them.
void BM_OneGlyphBlit(benchmark::State& state) {
    TextScene scene;
    ImagePtr sheet =
        scene.display.LoadImageFile("Graphics\\Gui\\Times Roman 10 Font.bmp", 256, 256);
    for (auto _ : state) {
        scene.display.DrawImagePart(sheet.get(), 420, 100, 35, 16, 44, 32);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OneGlyphBlit);

// A full board: 100 pieces with three sprites each, all advanced every tick.
void BM_AdvanceBoardSprites(benchmark::State& state) {
    ManualClock clock;
    std::array<Frame, 4> frames{};
    for (Frame& frame : frames) frame.delay = 120;
    std::vector<Sprite> sprites(300);
    for (Sprite& sprite : sprites) {
        for (int i = 0; i < 4; ++i) sprite.SetFrame(&frames[static_cast<size_t>(i)], i);
        sprite.SetCurrentFrame(0);
    }
    for (auto _ : state) {
        clock.Advance(10);
        for (Sprite& sprite : sprites) sprite.Advance();
        benchmark::DoNotOptimize(sprites.data());
    }
    state.SetItemsProcessed(state.iterations() * 300);
}
BENCHMARK(BM_AdvanceBoardSprites);

void BM_MotionTimerValue(benchmark::State& state) {
    ManualClock clock;
    MotionTimer timer;
    timer.Start(80);
    for (auto _ : state) {
        clock.Advance(1);
        benchmark::DoNotOptimize(timer.Value());
    }
}
BENCHMARK(BM_MotionTimerValue);
}  // namespace
