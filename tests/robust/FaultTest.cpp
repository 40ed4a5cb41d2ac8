#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "HeadlessGame.h"
#include "app/SharedState.h"
#include "modes/GameMode.h"
#include "modes/ModeFixture.h"
#include "modes/SavedGame.h"
#include "screens/Button.h"
#include "screens/HighScoreTable.h"
#include "screens/PlayScreen.h"
#include "screens/ScoreScreen.h"
#include "support/ScopedEnv.h"
#include "support/TempWorkDir.h"

// The whole game, headless, against a damaged game folder: it starts, plays,
// ends a game into the high scores, resumes, saves on close and exits, with
// no crash, no hang and no sanitizer report. What it cannot do it says on
// stderr; what it can keep, it keeps.
namespace {
namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string RandomBytes(size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes) byte = static_cast<char>(random());
    return bytes;
}

// Start, a look at the high scores, Resume (a new game when there is no
// saved one), a few moves in each variant, End into the table as "Robust",
// Resume again (there is none now), a few more moves, then the close box
// (which saves). Returns the exit code.
int PlayThrough(HeadlessGame& game, Difficulty difficulty = NormalDifficulty) {
    game.Start();
    game.ClickButton(Buttons::kHighScores);
    EXPECT_NE(game.Current<ScoreScreen>(), nullptr);
    game.ClickButton(Buttons::kMenu);
    shared.difficulty = difficulty;
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

bool TableHolds(const std::string& name) {
    return ReadBytes("Data/Info.dat").find(name) != std::string::npos;
}

int32_t TopScore(GameVariant variant, Difficulty difficulty) {
    HighScoreTable table;
    table.LoadTable();
    return table.Entry(variant, difficulty, 0).score;
}

// The game names a file it could not read once, however often the screens
// load it again, with backslashes.
void ExpectNamedOnce(const std::string& errors, std::string file) {
    std::replace(file.begin(), file.end(), '/', '\\');
    int count = 0;
    for (size_t at = errors.find(file); at != std::string::npos; at = errors.find(file, at + 1))
        ++count;
    EXPECT_EQ(count, 1) << file << "\n" << errors;
}

constexpr const char* kLog = "Direct Draw 5 Log.txt";

enum class AssetFault { Missing, Truncated, Pipe };

void Damage(const std::string& file, AssetFault fault) {
    if (fault == AssetFault::Truncated) {
        fs::resize_file(file, fs::file_size(file) / 2);
        return;
    }
    fs::remove(file);
    // Read like a file, a pipe would wait for ever for a writer.
    if (fault == AssetFault::Pipe)
        mkfifo(file.c_str(), 0644);
}

// A scratch copy of the game folder; stderr captured.
class FolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        HeadlessGame::CopyGameFolder();
        testing::internal::CaptureStderr();
    }
    void TearDown() override {
        if (!errors_)
            TakeStderr();
        if (immutable_)
            std::system("chattr -i Data 2>/dev/null");
        std::error_code ignored;
        fs::permissions("Data", fs::perms::owner_all, ignored);
    }

  public:
    std::optional<ScopedEnv> audioDriver;

    // Makes Data unwritable, for root too; false when this host cannot.
    bool MakeDataReadOnly() {
        fs::permissions("Data", fs::perms::owner_read | fs::perms::owner_exec |
                                    fs::perms::group_read | fs::perms::others_read);
        // Root ignores the mode; the immutable flag stops it. Anyone else,
        // or a host without chattr, just fails here.
        immutable_ = std::system("chattr +i Data 2>/dev/null") == 0;
        return !std::ofstream("Data/probe").is_open();
    }

  protected:
    std::string TakeStderr() { return *(errors_ = testing::internal::GetCapturedStderr()); }

    TempWorkDir dir_;
    bool immutable_ = false;
    std::optional<std::string> errors_;
};

bool NoDamage(FolderTest&) {
    return true;
}

void Nothing(HeadlessGame&, const std::string&) {}

// One damage to the folder before a PlayThrough, and what must hold after it
// besides exit code 1: the close saves the game or tells the player it could
// not, stderr names what could not be read or written, and what else holds.
struct FolderFault {
    std::string name;
    // False when this host cannot do the damage.
    std::function<bool(FolderTest&)> damage;
    bool saved;
    std::vector<std::string> named = {};
    std::function<void(HeadlessGame&, const std::string& errors)> alsoHolds = Nothing;
};

void PrintTo(const FolderFault& fault, std::ostream* out) {
    *out << fault.name;
}

class FaultTest : public FolderTest, public ::testing::WithParamInterface<FolderFault> {};

TEST_P(FaultTest, GamePlaysThrough) {
    const FolderFault& fault = GetParam();
    if (!fault.damage(*this))
        GTEST_SKIP() << "this host cannot make this fault";
    HeadlessGame game;
    EXPECT_EQ(PlayThrough(game), 1);
    const std::string errors = TakeStderr();
    EXPECT_TRUE(!fault.saved || SavedGame::Read().has_value());
    EXPECT_TRUE(game.Shown(fault.saved ? PlayScreen::kSavedCaption : PlayScreen::kNotSavedCaption));
    for (const std::string& name : fault.named)
        EXPECT_NE(errors.find(name), std::string::npos) << name << "\n" << errors;
    fault.alsoHolds(game, errors);
}

std::function<bool(FolderTest&)> Writes(const std::string& file, size_t noise, unsigned seed) {
    return [=](FolderTest&) {
        WriteBytes("Data/" + file, RandomBytes(noise, seed));
        return true;
    };
}

// The saved game or the high-score table is a folder: nothing is saved over
// it, and stderr names it.
FolderFault AFolderAt(const std::string& file, bool saved) {
    const fs::path path = "Data/" + file;
    return {file.substr(0, file.find('.')) + "IsAFolder",
            [=](FolderTest&) { return fs::create_directory(path); },
            saved,
            {file},
            [=](HeadlessGame&, const std::string&) { EXPECT_TRUE(fs::is_directory(path)); }};
}

// A picture, sound or metrics file missing (named once, however often the
// screens load it again), cut to half its length or a pipe.
FolderFault Breaks(const char* file, AssetFault fault) {
    std::string name = std::array{"Missing", "Truncated", "Pipe"}[static_cast<int>(fault)];
    for (const char* c = file; *c; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c)))
            name += *c;
    }
    auto damage = [=](FolderTest&) {
        Damage(file, fault);
        return true;
    };
    return {name, damage, true, {}, [=](HeadlessGame&, const std::string& errors) {
                if (fault == AssetFault::Missing)
                    ExpectNamedOnce(errors, file);
            }};
}

void TableIsWholeAgain(HeadlessGame&, const std::string&) {
    // What could be read of it was kept, and the file is a whole table again.
    HighScoreTable table;
    table.LoadTable();
    EXPECT_EQ(ReadBytes("Data/Info.dat"), table.Encode());
}

// A saved game at the edge of what the reader takes. A resumed one plays on
// without overflowing a sum (the sanitizers would stop it) and ends into the
// table above its total; a refused one leaves a fresh game.
FolderFault EdgeGame(const char* name, Difficulty difficulty, int32_t level, int32_t total,
                     bool resumed) {
    SavedGame saved = SampleSavedGame();
    saved.difficulty = difficulty;
    saved.level = level;
    saved.totalScore = total;
    auto damage = [bytes = saved.Encode()](FolderTest&) {
        WriteBytes("Data/Resume.dat", bytes);
        return true;
    };
    return {name, damage, true, {}, [=](HeadlessGame& game, const std::string&) {
                // After End, the second Resume finds no game either way.
                EXPECT_EQ(game.Shown("No saved game..."), resumed ? 1 : 2);
                EXPECT_TRUE(!resumed || TopScore(RotationalVariant, Hard) >= total);
            }};
}

bool RemoveData(FolderTest&) {
    return fs::remove_all("Data") > 0;
}

void IntactFilesWritten(HeadlessGame&, const std::string&) {
    EXPECT_TRUE(TableHolds("Robust"));
    EXPECT_TRUE(fs::exists("Data/Help.dat"));
}

void HoldsRobust(HeadlessGame&, const std::string&) {
    EXPECT_TRUE(TableHolds("Robust"));
}

bool NoAudioDevice(FolderTest& test) {
    test.audioDriver.emplace("SDL_AUDIODRIVER", "no-such-driver");
    return true;
}

// Whatever stands at the display log's name is replaced, never opened: a
// link's target stays whole, and a pipe does not stop the start.
bool LinkAtLog(FolderTest&) {
    WriteBytes("outside", "precious");
    fs::remove(kLog);
    fs::create_symlink(fs::absolute("outside"), kLog);
    return true;
}

bool PipeAtLog(FolderTest&) {
    fs::remove(kLog);
    return mkfifo(kLog, 0644) == 0;
}

void LogIsAFile(HeadlessGame&, const std::string&) {
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(kLog)));
    EXPECT_TRUE(!fs::exists("outside") || ReadBytes("outside") == "precious");
}

// A locked folder keeps every file as it was. The resumed game's End can
// neither write the end marker nor remove the saved game: it is still never
// offered again in this run.
FolderFault ReadOnlyData() {
    const std::string resume = SampleSavedGame().Encode();
    HighScoreTable kept;
    kept.InsertEntry(NormalVariant, NormalDifficulty, 0, "Keeper", 99999);
    const std::string table = kept.Encode();
    auto damage = [=](FolderTest& test) {
        WriteBytes("Data/Resume.dat", resume);
        WriteBytes("Data/Info.dat", table);
        WriteBytes("Data/Help.dat", "7");
        return test.MakeDataReadOnly();
    };
    return {"ReadOnlyDataFolderKeepsEveryFile",
            damage,
            false,
            {"ended game stays"},
            [=](HeadlessGame& game, const std::string&) {
                EXPECT_EQ(game.Shown("No saved game..."), 1);
                EXPECT_EQ(ReadBytes("Data/Resume.dat"), resume);
                EXPECT_EQ(ReadBytes("Data/Info.dat"), table);
                EXPECT_EQ(ReadBytes("Data/Help.dat"), "7");
            }};
}

std::vector<FolderFault> FolderFaults() {
    return {
        {"IntactFolderSavesEveryFile", NoDamage, true, {}, IntactFilesWritten},
        {"NoDataFolderIsNotMade",
         RemoveData,
         false,
         {"Times Roman 10 Font Metrics.dat", "Resume.dat"},
         [](HeadlessGame&, const std::string&) { EXPECT_FALSE(fs::exists("Data")); }},
        ReadOnlyData(),
        {"NoAudioDevice", NoAudioDevice, true},
        EdgeGame("ImpossibleDifficulty", static_cast<Difficulty>(7), 3, 3456, false),
        EdgeGame("LevelTooHighForItsTotal", Hard, 2'000'000, 2'147'483'642, false),
        EdgeGame("TotalNearTheTop", Hard, 1, INT32_MAX - 5, true),
        EdgeGame("HighLevelAtTheTop", Hard, 1000, INT32_MAX, true),
        AFolderAt("Resume.dat", false),
        {"ResumeEmpty", Writes("Resume.dat", 0, 0), true},
        {"ResumeHuge", Writes("Resume.dat", 10 << 20, 1), true},
        {"ResumeNoise", Writes("Resume.dat", 777, 2), true},
        AFolderAt("Info.dat", true),
        {"InfoEmpty", Writes("Info.dat", 0, 0), true, {}, HoldsRobust},
        {"InfoHuge", Writes("Info.dat", 10 << 20, 1), true, {}, TableIsWholeAgain},
        {"InfoNoise", Writes("Info.dat", 777, 2), true, {}, TableIsWholeAgain},
        // One of each kind the game reads; ./soak.sh tries every file.
        Breaks("Graphics/Gui/Background.bmp", AssetFault::Missing),
        Breaks("Graphics/Gui/Times Roman 16 Font.bmp", AssetFault::Missing),
        Breaks("Graphics/Vlims/Blue Vlim Standard 1.bmp", AssetFault::Missing),
        Breaks("Graphics/Gui/25 Points.bmp", AssetFault::Missing),
        Breaks("Sounds/Click.wav", AssetFault::Missing),
        Breaks("Data/Times Roman 10 Font Metrics.dat", AssetFault::Missing),
        Breaks("Graphics/Gui/Background.bmp", AssetFault::Truncated),
        Breaks("Graphics/Gui/Times Roman 10 Font.bmp", AssetFault::Truncated),
        Breaks("Graphics/Vlims/Red Vlim Emotion 1.bmp", AssetFault::Truncated),
        Breaks("Sounds/Score.wav", AssetFault::Truncated),
        Breaks("Data/Times Roman 16 Font Metrics.dat", AssetFault::Truncated),
        Breaks("Graphics/Gui/Background.bmp", AssetFault::Pipe),
        Breaks("Graphics/Gui/Times Roman 10 Font.bmp", AssetFault::Pipe),
        Breaks("Sounds/Score.wav", AssetFault::Pipe),
        {"LogIsALink", LinkAtLog, true, {}, LogIsAFile},
        {"LogIsAPipe", PipeAtLog, true, {}, LogIsAFile},
    };
}

INSTANTIATE_TEST_SUITE_P(EveryFault, FaultTest, ::testing::ValuesIn(FolderFaults()),
                         [](const auto& info) { return info.param.name; });

}  // namespace

// Every file of the game folder in turn, missing and then truncated. Long:
// it runs when VLIMS_SOAK is set (./soak.sh).
TEST(AssetSweepTest, EveryFileMissingOrTruncated) {
    if (!std::getenv("VLIMS_SOAK"))
        GTEST_SKIP() << "runs in ./soak.sh";
    std::vector<std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(VLIMS_GAME_DIR)) {
        std::string relative = fs::relative(entry.path(), VLIMS_GAME_DIR).string();
        if (entry.is_regular_file() && relative != "vlims" && relative.rfind("Help/", 0) != 0)
            files.push_back(relative);
    }
    // The icon belongs to the window, which a headless run has not; the two
    // sounds are made for the game but no move plays them.
    const std::set<std::string> unread = {"Graphics/Gui/Icon.bmp", "Sounds/Rotate.wav",
                                          "Sounds/Switch Vlims.wav"};
    int runs = 0;
    for (const std::string& file : files) {
        for (AssetFault fault : {AssetFault::Missing, AssetFault::Truncated}) {
            TempWorkDir dir;
            HeadlessGame::CopyGameFolder();
            Damage(file, fault);
            testing::internal::CaptureStderr();
            {
                // Every screen and both variants, so every file is loaded.
                HeadlessGame game;
                EXPECT_EQ(PlayThrough(game, kAllDifficulties[runs % 3]), 1) << file;
            }
            std::string errors = testing::internal::GetCapturedStderr();
            if (fault == AssetFault::Missing && !unread.count(file))
                ExpectNamedOnce(errors, file);
            ++runs;
        }
    }
    std::printf("%d files, %d runs\n", static_cast<int>(files.size()), runs);
}
