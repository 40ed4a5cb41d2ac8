// One whole play-screen tick, headless: the panel, the game mode's frame, the
// five buttons and the present, with the game's own artwork from the build's
// game folder.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/SharedState.h"
#include "engine/Display.h"
#include "engine/SoundSystem.h"
#include "platform/ManualClock.h"
#include "screens/PlayScreen.h"

namespace {
namespace fs = std::filesystem;

// A scratch copy of the game folder as the working directory, so that the
// start counters and saved game the screen writes never touch the build's.
class GameFolderCopy {
  public:
    GameFolderCopy() : previous_(fs::current_path()) {
        const fs::path game = fs::read_symlink("/proc/self/exe").parent_path() / "game";
        if (!fs::exists(game / "Graphics")) {
            std::fprintf(stderr, "vlims_bench: no artwork in %s; figures are without it\n",
                         game.c_str());
        }
        path_ = fs::temp_directory_path() / "vlims-play-bench";
        fs::remove_all(path_);
        fs::create_directories(path_ / "Data");
        std::error_code ignored;
        fs::copy(game, path_, fs::copy_options::recursive | fs::copy_options::skip_existing,
                 ignored);
        fs::current_path(path_);
        // Start help already seen: the measured board is a normal one.
        std::FILE* help = std::fopen("Data/Help.dat", "w");
        if (help) {
            std::fputs("3", help);
            std::fclose(help);
        }
        std::FILE* help2 = std::fopen("Data/Help2.dat", "w");
        if (help2) {
            std::fputs("3", help2);
            std::fclose(help2);
        }
    }
    ~GameFolderCopy() {
        fs::current_path(previous_);
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }

  private:
    fs::path previous_;
    fs::path path_;
};

struct PlayScene {
    PlayScene() {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        display.Create(nullptr);
        display.SetWindowed(625, 440);
        sound.Create(nullptr);
        shared = SharedState{};
        screen.Enter(display, sound, clock.Now());
        screen.Draw(display);
    }
    ~PlayScene() {
        shared.finalScore = 0;  // nothing to save on the way out
        screen.Leave();
        sound.Release();
    }
    // As the main loop ticks: the screen's update, then the present.
    void Tick(int x, int y) {
        clock.Advance(10);
        benchmark::DoNotOptimize(screen.Update(display, sound, clock.Now(), x, y, false, false));
        display.Present();
    }

    GameFolderCopy folder;
    ManualClock clock;
    Display display;
    SoundSystem sound;
    PlayScreen screen;
};

// The pointer at rest on the panel: nothing moves but what the tick redraws.
void BM_PlayScreenTickIdle(benchmark::State& state) {
    PlayScene scene;
    for (int i = 0; i < 200; ++i) scene.Tick(600, 30);  // past the grow-in
    for (auto _ : state) scene.Tick(600, 30);
}
BENCHMARK(BM_PlayScreenTickIdle)->Unit(benchmark::kMicrosecond);

// The pointer over a piece, which then plays its animation.
void BM_PlayScreenTickPointerOnBoard(benchmark::State& state) {
    PlayScene scene;
    for (int i = 0; i < 200; ++i) scene.Tick(180, 180);
    for (auto _ : state) scene.Tick(180, 180);
}
BENCHMARK(BM_PlayScreenTickPointerOnBoard)->Unit(benchmark::kMicrosecond);
}  // namespace
