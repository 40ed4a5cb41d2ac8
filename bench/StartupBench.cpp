// Start-up to the first presented frame: the whole of GameApp::InitInstance
// with the real screens and the game's own artwork (window, display, sound,
// the three screens, the start screen entered, drawn and presented).
// Shut-down is not timed. SDL's dummy drivers stand in for the X server and
// the sound card; bench/startup_time.sh measures the real game under Xvfb.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/GameApp.h"

namespace {
namespace fs = std::filesystem;

// Runs in a scratch copy of the build's game folder, so nothing the game
// writes lands in the build's own.
class StartupFolder {
  public:
    StartupFolder() : previous_(fs::current_path()) {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        const fs::path game = fs::read_symlink("/proc/self/exe").parent_path() / "game";
        if (!fs::exists(game / "Graphics")) {
            std::fprintf(stderr, "vlims_bench: no artwork in %s\n", game.c_str());
        }
        path_ = fs::temp_directory_path() / "vlims-startup-bench";
        std::error_code ignored;
        fs::remove_all(path_, ignored);
        fs::copy(game, path_, fs::copy_options::recursive, ignored);
        fs::remove(path_ / "vlims", ignored);
        fs::current_path(path_);
    }
    ~StartupFolder() {
        std::error_code ignored;
        fs::current_path(previous_, ignored);
        fs::remove_all(path_, ignored);
    }

  private:
    fs::path previous_;
    fs::path path_;
};

void StartUp(benchmark::State& state, bool withWindow) {
    StartupFolder folder;
    for (auto _ : state) {
        MainFrame::Setup setup = MainFrame::Setup::Game();
        if (!withWindow)
            setup.openWindow = nullptr;
        GameApp app(std::move(setup));
        app.InitInstance();
        benchmark::DoNotOptimize(app.GetDisplay().PresentedFrames());
        state.PauseTiming();
        app.Frame()->OnClose();
        app.ExitInstance();
        state.ResumeTiming();
    }
}

void BM_StartUpToFirstFrameHeadless(benchmark::State& state) {
    StartUp(state, false);
}
void BM_StartUpToFirstFrameDummyWindow(benchmark::State& state) {
    StartUp(state, true);
}
}  // namespace

BENCHMARK(BM_StartUpToFirstFrameHeadless)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_StartUpToFirstFrameDummyWindow)->Unit(benchmark::kMillisecond)->Iterations(20);
