#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/FuzzInputs.h"
#include "support/TempWorkDir.h"

// Replays every seed and every kept crash of the fuzz targets through the
// same checks the targets make, so a reader fixed once stays fixed without
// a fuzzing run.
namespace {
namespace fs = std::filesystem;

struct Input {
    std::string name;
    std::string bytes;
};

std::vector<Input> InputsOf(const std::string& target) {
    std::vector<Input> inputs;
    const fs::path root = fs::path(VLIMS_SOURCE_DIR) / "tests" / "fuzz";
    for (const char* kind : {"corpus", "regressions"}) {
        fs::path folder = root / kind / target;
        if (!fs::is_directory(folder))
            continue;
        for (const fs::directory_entry& file : fs::directory_iterator(folder)) {
            std::ifstream in(file.path(), std::ios::binary);
            inputs.push_back(
                {std::string(kind) + "/" + target + "/" + file.path().filename().string(),
                 {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}});
        }
    }
    return inputs;
}

void ReplayAll(const std::string& target, const std::function<bool(const std::string&)>& check) {
    std::vector<Input> inputs = InputsOf(target);
    ASSERT_FALSE(inputs.empty()) << "no seeds for " << target;
    for (const Input& input : inputs) EXPECT_TRUE(check(input.bytes)) << input.name;
}

// The file readers work in a scratch folder with a headless display.
class FuzzRegressionFileTest : public ::testing::Test {
  protected:
    FuzzRegressionFileTest() {
        fuzz::PutFontSheet();
        fuzz::MakeHeadless(display_);
    }

    TempWorkDir workDir_;
    Display display_;
};
}  // namespace

TEST(FuzzRegressionTest, ByteReaders) {
    ReplayAll("saved_game", fuzz::SavedGameInput);
    ReplayAll("high_scores", fuzz::HighScoresInput);
    ReplayAll("help_counter", fuzz::HelpCounterInput);
    ReplayAll("wav", fuzz::WavInput);
}

TEST_F(FuzzRegressionFileTest, FontMetrics) {
    ReplayAll("font_metrics",
              [&](const std::string& bytes) { return fuzz::FontMetricsInput(display_, bytes); });
}

TEST_F(FuzzRegressionFileTest, Bitmap) {
    ReplayAll("bitmap",
              [&](const std::string& bytes) { return fuzz::BitmapInput(display_, bytes); });
}

// A header claiming a picture of billions of pixels is refused before SDL
// would allocate for it: the game gets its all-black picture of the asked
// size instead.
TEST_F(FuzzRegressionFileTest, BitmapClaimingAHugeSizeLoadsBlack) {
    std::string bytes = MakeBmp(4, 4, [](int, int) { return 0xFFFFFFu; });
    const uint32_t height = 0x40000000;
    for (int i = 0; i < 4; ++i) bytes[22 + i] = static_cast<char>(height >> (8 * i));
    workDir_.WriteFile("Graphics/Gui/Huge.bmp", bytes);
    ImagePtr image = display_.LoadImageFile("Graphics\\Gui\\Huge.bmp", 4, 4);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 4);
    display_.FillRect(0, 0, 8, 8, 0x123456);
    display_.DrawImage(image.get(), 0, 0);
    EXPECT_EQ(display_.PixelAt(1, 1), 0x123456u);
}
