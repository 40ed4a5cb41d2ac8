#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "HeadlessGame.h"
#include "app/SharedState.h"
#include "modes/ModeFixture.h"
#include "modes/SavedGame.h"
#include "screens/Button.h"
#include "screens/HighScoreTable.h"
#include "screens/PlayScreen.h"
#include "screens/ScoreScreen.h"
#include "support/ScopedEnv.h"
#include "support/TempWorkDir.h"

// The whole game against a damaged game folder plays through with no crash,
// hang or sanitizer report; what it cannot do it says on stderr, what it can
// keep, it keeps.
namespace {
namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The scores, Resume, moves in each variant, End into the table, Resume
// again (a new game now), moves, the close box; the exit code.
int PlayThrough(HeadlessGame& game) {
    game.Start();
    game.ClickButton(Buttons::kHighScores);
    EXPECT_NE(game.Current<ScoreScreen>(), nullptr);
    game.ClickButton(Buttons::kMenu);
    shared.difficulty = NormalDifficulty;
    game.ClickButton(Buttons::kResume);
    EXPECT_TRUE(game.PlayMoves(3));
    game.ClickButton(Buttons::kRotationalType);
    EXPECT_TRUE(game.PlayMoves(2));
    game.Prompts().Accept("Robust");
    game.ClickButton(Buttons::kEnd);
    EXPECT_NE(game.Current<ScoreScreen>(), nullptr);
    game.ClickButton(Buttons::kMenu);
    game.ClickButton(Buttons::kResume);
    EXPECT_TRUE(game.PlayMoves(2));
    game.Close();
    return game.Exit();
}

constexpr const char* kLog = "Direct Draw 5 Log.txt";

enum class AssetFault { Missing, Truncated, Pipe };

class FaultTest;

// A damage to the folder, then a PlayThrough ending in exit code 1: the close
// saves the game or says it could not, stderr names these files, and more.
struct FolderFault {
    std::string name;
    // False when this host cannot do the damage.
    std::function<bool(FaultTest&)> damage;
    bool saved;
    std::vector<std::string> named = {};
    std::function<void(HeadlessGame&, const std::string& errors)> alsoHolds = {};
};

// A scratch copy of the game folder; stderr captured.
class FaultTest : public ::testing::TestWithParam<FolderFault> {
  protected:
    void SetUp() override { HeadlessGame::CopyGameFolder(); }
    void TearDown() override {
        std::system("chattr -i Data 2>/dev/null");
        std::error_code ignored;
        fs::permissions("Data", fs::perms::owner_all, ignored);
    }

    TempWorkDir dir_;

    void PlayThroughWith(const FolderFault& fault);

  public:
    std::optional<ScopedEnv> audioDriver;
};

TEST_P(FaultTest, GamePlaysThrough) {
    PlayThroughWith(GetParam());
}

void FaultTest::PlayThroughWith(const FolderFault& fault) {
    if (!fault.damage(*this))
        GTEST_SKIP() << "this host cannot make this fault";
    testing::internal::CaptureStderr();
    HeadlessGame game;
    EXPECT_EQ(PlayThrough(game), 1);
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(!fault.saved || SavedGame::Read().has_value());
    EXPECT_TRUE(game.Shown(fault.saved ? PlayScreen::kSavedCaption : PlayScreen::kNotSavedCaption));
    for (const std::string& name : fault.named)
        EXPECT_NE(errors.find(name), std::string::npos) << name << "\n" << errors;
    if (fault.alsoHolds)
        fault.alsoHolds(game, errors);
}

// 10 MB of noise: too long for the reader, and anything but a table.
bool NoiseAt(const std::string& file) {
    std::mt19937 random(1);
    std::string bytes(10 << 20, '\0');
    for (char& byte : bytes) byte = static_cast<char>(random());
    WriteBytes("Data/" + file, bytes);
    return true;
}

// A folder where a saved file goes stays, and stderr names it.
FolderFault AFolderAt(const std::string& file, bool saved) {
    const fs::path path = "Data/" + file;
    return {file.substr(0, file.find('.')) + "IsAFolder",
            [=](FaultTest&) { return fs::create_directory(path); },
            saved,
            {file},
            [=](HeadlessGame&, const std::string&) { EXPECT_TRUE(fs::is_directory(path)); }};
}

// A picture, sound or metrics file missing, cut to half its length or a pipe.
FolderFault Breaks(const std::string& file, AssetFault fault) {
    std::string name = std::array{"Missing", "Truncated", "Pipe"}[static_cast<int>(fault)];
    for (char c : file)
        if (std::isalnum(static_cast<unsigned char>(c)))
            name += c;
    // The icons belong to the window, which a headless run has not; the two
    // sounds are made for the game but no move plays them.
    const bool read = !std::set<std::string>{"Graphics/Gui/Icon.bmp", "Graphics/Gui/Icon Large.bmp",
                                             "Sounds/Rotate.wav", "Sounds/Switch Vlims.wav"}
                           .count(file);
    auto damage = [=](FaultTest&) {
        if (fault == AssetFault::Truncated)
            fs::resize_file(file, fs::file_size(file) / 2);
        else
            fs::remove(file);
        // Read like a file, a pipe would wait for ever for a writer.
        return fault != AssetFault::Pipe || mkfifo(file.c_str(), 0644) == 0;
    };
    // A missing file is named with backslashes, once however often it is loaded.
    std::string named = file;
    std::replace(named.begin(), named.end(), '/', '\\');
    return {name, damage, true, {}, [=](HeadlessGame&, const std::string& errors) {
                if (fault != AssetFault::Missing || !read)
                    return;
                int count = 0;
                for (size_t at = errors.find(named); at != errors.npos;
                     at = errors.find(named, at + 1))
                    ++count;
                EXPECT_EQ(count, 1) << named << "\n" << errors;
            }};
}

void TableIsWholeAgain(HeadlessGame&, const std::string&) {
    // What could be read of it was kept, and the file is a whole table again.
    HighScoreTable table;
    table.LoadTable();
    EXPECT_EQ(ReadBytes("Data/Info.dat"), table.Encode());
}

// A link or a pipe at the display log's name is replaced, never opened.
bool LinkAtLog(FaultTest&) {
    WriteBytes("outside", "precious");
    fs::remove(kLog);
    fs::create_symlink(fs::absolute("outside"), kLog);
    return true;
}

bool PipeAtLog(FaultTest&) {
    fs::remove(kLog);
    return mkfifo(kLog, 0644) == 0;
}

void LogIsAFile(HeadlessGame&, const std::string&) {
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(kLog)));
    EXPECT_TRUE(!fs::exists("outside") || ReadBytes("outside") == "precious");
}

// A locked folder keeps every file; the resumed game, ended, though still on
// disk, is not offered again in this run.
FolderFault ReadOnlyData() {
    const std::map<std::string, std::string> files = {
        {"Data/Resume.dat", SampleSavedGame().Encode()},
        {"Data/Info.dat", HighScoreTable().Encode()},
        {"Data/Help.dat", "7"}};
    auto damage = [=](FaultTest&) {
        for (const auto& [file, bytes] : files) WriteBytes(file, bytes);
        fs::permissions("Data", fs::perms::owner_read | fs::perms::owner_exec);
        // Root ignores the mode, not the immutable flag.
        std::system("chattr +i Data 2>/dev/null");
        return !std::ofstream("Data/probe").is_open();
    };
    return {"ReadOnlyDataFolderKeepsEveryFile",
            damage,
            false,
            {"ended game stays"},
            [=](HeadlessGame& game, const std::string&) {
                EXPECT_EQ(game.Shown("No saved game..."), 1);
                for (const auto& [file, bytes] : files) EXPECT_EQ(ReadBytes(file), bytes) << file;
            }};
}

std::vector<FolderFault> FolderFaults() {
    std::vector<FolderFault> faults = {
        {"IntactFolder", [](FaultTest&) { return true; }, true},
        {"NoDataFolderIsNotMade",
         [](FaultTest&) { return fs::remove_all("Data") > 0; },
         false,
         {"Times Roman 10 Font Metrics.dat", "Resume.dat"},
         [](HeadlessGame&, const std::string&) { EXPECT_FALSE(fs::exists("Data")); }},
        ReadOnlyData(),
        {"NoAudioDevice",
         [](FaultTest& test) {
             test.audioDriver.emplace("SDL_AUDIODRIVER", "no-such-driver");
             return true;
         },
         true},
        AFolderAt("Resume.dat", false),
        AFolderAt("Info.dat", true),
        {"InfoNoise", [](FaultTest&) { return NoiseAt("Info.dat"); }, true, {}, TableIsWholeAgain},
        {"LogIsALink", LinkAtLog, true, {}, LogIsAFile},
        {"LogIsAPipe", PipeAtLog, true, {}, LogIsAFile},
    };
    // A file of each reader; ./soak.sh tries every file.
    for (const char* file :
         {"Graphics/Gui/Background.bmp", "Graphics/Vlims/Blue Vlim Standard 1.bmp",
          "Sounds/Score.wav", "Data/Times Roman 16 Font Metrics.dat"}) {
        for (AssetFault fault : {AssetFault::Missing, AssetFault::Truncated, AssetFault::Pipe})
            faults.push_back(Breaks(file, fault));
    }
    return faults;
}

INSTANTIATE_TEST_SUITE_P(EveryFault, FaultTest, ::testing::ValuesIn(FolderFaults()),
                         [](const auto& info) { return info.param.name; });

// Every file of the game folder missing, then truncated, under ./soak.sh.
std::vector<FolderFault> EveryFile() {
    std::vector<FolderFault> faults;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(VLIMS_GAME_DIR)) {
        std::string file = fs::relative(entry.path(), VLIMS_GAME_DIR).string();
        if (!std::getenv("VLIMS_SOAK") || !entry.is_regular_file() || file == "vlims" ||
            file.rfind("Help/", 0) == 0)
            continue;
        faults.push_back(Breaks(file, AssetFault::Missing));
        faults.push_back(Breaks(file, AssetFault::Truncated));
    }
    return faults;
}

class AssetSweepTest : public FaultTest {};
// Without VLIMS_SOAK it has no rows.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(AssetSweepTest);

TEST_P(AssetSweepTest, GamePlaysThrough) {
    PlayThroughWith(GetParam());
}

INSTANTIATE_TEST_SUITE_P(EveryFile, AssetSweepTest, ::testing::ValuesIn(EveryFile()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
