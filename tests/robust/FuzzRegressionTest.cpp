#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "fuzz/FuzzInputs.h"
#include "support/TempWorkDir.h"

// Replays every seed and every kept crash of the fuzz targets through the
// same checks the targets make, so a reader fixed once stays fixed without a
// fuzzing run. The file readers work in a scratch folder with a headless
// display.
TEST(FuzzRegressionTest, EveryKeptInputPassesItsTargetsChecks) {
    namespace fs = std::filesystem;
    const fs::path root = fs::path(VLIMS_SOURCE_DIR) / "tests" / "fuzz";
    TempWorkDir workDir;
    Display display;
    fuzz::PutFontSheet();
    fuzz::MakeHeadless(display);
    const std::map<std::string, std::function<bool(const std::string&)>> targets = {
        {"saved_game", fuzz::SavedGameInput},
        {"high_scores", fuzz::HighScoresInput},
        {"help_counter", fuzz::HelpCounterInput},
        {"wav", fuzz::WavInput},
        {"font_metrics", [&](const std::string& b) { return fuzz::FontMetricsInput(display, b); }},
        {"bitmap", [&](const std::string& b) { return fuzz::BitmapInput(display, b); }},
    };
    std::map<std::string, int> replayed;
    for (const char* kind : {"corpus", "regressions"}) {
        for (const fs::directory_entry& file : fs::recursive_directory_iterator(root / kind)) {
            if (!file.is_regular_file())
                continue;
            const std::string target = file.path().parent_path().filename().string();
            ASSERT_EQ(targets.count(target), 1u) << "no target replays " << file.path();
            EXPECT_TRUE(targets.at(target)(workDir.ReadFile(file.path().string()))) << file.path();
            ++replayed[target];
        }
    }
    for (const auto& [target, check] : targets) EXPECT_GT(replayed[target], 0) << target;
}
