// What one play-screen frame of a game mode costs headless, drawing included:
// a steady frame, and the frame that also runs the board check (lines scored
// and replaced, then the search for a move) every 2 seconds.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "engine/Display.h"
#include "engine/FontSet.h"
#include "engine/SoundSystem.h"
#include "modes/NormalGame.h"
#include "modes/RotationalGame.h"
#include "platform/ManualClock.h"

namespace {
constexpr uint32_t kTick = 10;

// Flat-coloured pictures of the sizes the modes load, in a scratch working
// directory, so the figures do not depend on the artwork.
class PictureFolder {
  public:
    PictureFolder() : previous_(std::filesystem::current_path()) {
        path_ = std::filesystem::temp_directory_path() / "vlims-modes-bench";
        std::filesystem::create_directories(path_ / "Graphics" / "Gui");
        std::filesystem::create_directories(path_ / "Graphics" / "Vlims");
        std::filesystem::create_directories(path_ / "Data");
        std::filesystem::current_path(path_);
        WritePicture("Graphics/Gui/Background.bmp", 625, 440, 0x183048);
        WritePicture("Graphics/Gui/Select.bmp", 40, 40, 0xF0F000);
        WritePicture("Graphics/Gui/Start Help.bmp", 160, 160, 0x30C030);
        WritePicture("Graphics/Gui/Start Help 2.bmp", 160, 160, 0x30C0C0);
        WritePicture("Graphics/Gui/No Moves Left.bmp", 200, 50, 0xC03030);
        WritePicture("Graphics/Gui/Rotate Button.bmp", 20, 20, 0x8080F0);
        WritePicture("Graphics/Gui/Rotate Button Pushed.bmp", 20, 20, 0xF080F0);
        for (int points : {25, 50, 100, 250, 500, 1000, 5000}) {
            WritePicture("Graphics/Gui/" + std::to_string(points) + " Points.bmp", 100, 40,
                         0xE0E0E0);
        }
        const char* colours[] = {"Blue", "Green", "Red", "Yellow", "Purple", "White"};
        const int emotionFrames[] = {4, 8, 4, 6, 4, 2};
        for (int colour = 0; colour < 6; ++colour) {
            std::string base = std::string("Graphics/Vlims/") + colours[colour] + " Vlim ";
            uint32_t rgb = 0x202020u + 0x200000u * uint32_t(colour);
            WritePicture(base + "Standard 1.bmp", 40, 40, rgb);
            for (int n = 1; n <= emotionFrames[colour]; ++n)
                WritePicture(base + "Emotion " + std::to_string(n) + ".bmp", 40, 40, rgb + 0x10);
            for (int n = 1; n <= 4; ++n)
                WritePicture(base + "Scared " + std::to_string(n) + ".bmp", 40, 40, rgb + 0x20);
        }
        WritePicture("Graphics/Gui/Times Roman 10 Font.bmp", 256, 256, 0xE0D060);
        WritePicture("Graphics/Gui/Times Roman 16 Font.bmp", 512, 512, 0xE0D060);
        std::ofstream("Data/Times Roman 10 Font Metrics.dat", std::ios::binary)
            << std::string(256, '\x09');
        std::ofstream("Data/Times Roman 16 Font Metrics.dat", std::ios::binary)
            << std::string(256, '\x09');
        std::filesystem::create_directories(path_ / "Sounds");
        for (const char* name : {"Pop", "Zoh", "Score", "Switch Vlims", "Rotate"})
            WriteSilence(std::string("Sounds/") + name + ".wav");
        // Past the help games, so the frames show no start help.
        std::ofstream("Data/Help.dat") << 9;
        std::ofstream("Data/Help2.dat") << 9;
    }
    ~PictureFolder() {
        std::filesystem::current_path(previous_);
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

  private:
    // A square-ish piece shape: the corners stay black, as round pieces do.
    static void WritePicture(const std::string& name, int width, int height, uint32_t rgb) {
        SDL_Surface* picture =
            SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_RGB24);
        SDL_FillRect(picture, nullptr, 0);
        SDL_Rect body{width / 8, height / 8, width - width / 4, height - height / 4};
        SDL_FillRect(picture, &body,
                     SDL_MapRGB(picture->format, rgb >> 16, rgb >> 8 & 0xFF, rgb & 0xFF));
        SDL_SaveBMP(picture, name.c_str());
        SDL_FreeSurface(picture);
    }

    // A tenth of a second of 16-bit mono silence.
    static void WriteSilence(const std::string& name) {
        auto int32 = [](uint32_t v) {
            return std::string{char(v & 0xFF), char(v >> 8 & 0xFF), char(v >> 16 & 0xFF),
                               char(v >> 24 & 0xFF)};
        };
        auto int16 = [](uint16_t v) { return std::string{char(v & 0xFF), char(v >> 8)}; };
        std::string data(4410, '\0');
        std::string format =
            int16(1) + int16(1) + int32(22050) + int32(44100) + int16(2) + int16(16);
        std::string body = "WAVEfmt " + int32(16) + format + "data" + int32(data.size()) + data;
        std::ofstream(name, std::ios::binary) << "RIFF" + int32(body.size()) + body;
    }

    std::filesystem::path previous_;
    std::filesystem::path path_;
};

// Lets the benchmark decide when the board check is due.
template <typename Mode>
class TimedMode : public Mode {
  public:
    void PostponeCheck() { this->nextCheck_.Start(TickCount(), GameMode::kCheckInterval); }
    void DueCheck() { this->nextCheck_.Clear(); }
};

template <typename Mode>
struct Scene {
    PictureFolder folder;
    ManualClock clock{100000};
    Display display;
    SoundSystem sound;
    std::unique_ptr<FontSet> fonts;
    TimedMode<Mode> mode;

    Scene() {
        display.Create(nullptr);
        display.SetWindowed(625, 440);
        fonts = std::make_unique<FontSet>(display);
        mode.NewGame(display, sound, 20, 20, false, NormalDifficulty, clock.Now());
        // Let the dealt board grow in and the first check pass.
        for (int i = 0; i < 150; ++i) Frame();
    }

    // One tick as the play screen runs it, the pointer resting on a piece.
    void Frame() {
        clock.Advance(kTick);
        mode.HandleMouse(20 + 40 * 4 + 20, 20 + 40 * 6 + 20, false, false);
        mode.Update(display, sound, clock.Now(), *fonts);
    }
};

template <typename Mode>
void BM_SteadyFrame(benchmark::State& state) {
    Scene<Mode> scene;
    for (auto _ : state) {
        scene.mode.PostponeCheck();
        scene.Frame();
        benchmark::ClobberMemory();
    }
}

template <typename Mode>
void BM_BoardCheckFrame(benchmark::State& state) {
    Scene<Mode> scene;
    for (auto _ : state) {
        scene.mode.DueCheck();
        scene.Frame();
        benchmark::ClobberMemory();
    }
}
}  // namespace

BENCHMARK(BM_SteadyFrame<NormalGame>)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_BoardCheckFrame<NormalGame>)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_SteadyFrame<RotationalGame>)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_BoardCheckFrame<RotationalGame>)->Repetitions(7)->ReportAggregatesOnly(true);
