#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "HeadlessGame.h"
#include "app/SharedState.h"
#include "modes/GameMode.h"
#include "modes/SavedGame.h"
#include "screens/Button.h"
#include "screens/HighScoreTable.h"
#include "screens/PlayScreen.h"
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

SavedGame SomeSavedGame() {
    SavedGame game;
    game.variant = RotationalVariant;
    game.difficulty = Hard;
    game.level = 3;
    game.totalScore = 3456;
    // No three of a colour in a row: nothing scores on its own.
    for (int cell = 0; cell < SavedGame::kCellCount; ++cell) {
        game.colours[cell] = static_cast<PieceColour>(1 + (cell % 10 + 2 * (cell / 10)) % 6);
    }
    return game;
}

// The name is in some table (a first game is the help game, on Easy).
bool TableHolds(const std::string& name) {
    HighScoreTable table;
    table.LoadTable();
    for (GameVariant variant : kAllVariants) {
        for (Difficulty difficulty : kAllDifficulties) {
            for (int rank = 0; rank < HighScoreTable::kRanks; ++rank) {
                if (table.Entry(variant, difficulty, rank).Name() == name)
                    return true;
            }
        }
    }
    return false;
}

bool Showed(const HeadlessGame& game, const std::string& caption) {
    for (const MessageBoxRecorder::Shown& box : game.Boxes().All()) {
        if (box.caption == caption)
            return true;
    }
    return false;
}

class FaultTest : public ::testing::Test {
  protected:
    void SetUp() override {
        HeadlessGame::CopyGameFolder();
        testing::internal::CaptureStderr();
    }
    void TearDown() override {
        if (!stderrTaken_)
            testing::internal::GetCapturedStderr();
        if (immutable_)
            std::system("chattr -i Data 2>/dev/null");
        std::error_code ignored;
        fs::permissions("Data", fs::perms::owner_all, ignored);
    }
    std::string TakeStderr() {
        stderrTaken_ = true;
        return testing::internal::GetCapturedStderr();
    }

    // Start, a look at the high scores, a game of a few moves ended into the
    // table, a resume, a few more moves, then the close box (which saves).
    // Returns the exit code.
    int PlayThrough(HeadlessGame& game) {
        if (!game.App().Frame())
            game.Start();
        EXPECT_TRUE(game.OnStartScreen());
        game.ClickButton(Buttons::kHighScores);
        EXPECT_TRUE(game.OnScoreScreen());
        game.ClickButton(Buttons::kMenu);
        EXPECT_TRUE(game.OnStartScreen());

        game.StartGame(NormalVariant, NormalDifficulty);
        EXPECT_NE(game.Play(), nullptr);
        game.PlayMoves(3);
        game.Prompts().Accept("Robust");
        game.ClickButton(Buttons::kEnd);
        EXPECT_TRUE(game.OnScoreScreen());
        game.ClickButton(Buttons::kMenu);

        game.ClickButton(Buttons::kResume);
        EXPECT_NE(game.Play(), nullptr);
        game.PlayMoves(2);
        game.Close();
        return game.Exit();
    }

    // Makes Data unwritable, for root too; false when this host cannot.
    bool MakeDataReadOnly() {
        fs::permissions("Data", fs::perms::owner_read | fs::perms::owner_exec |
                                    fs::perms::group_read | fs::perms::others_read);
        // Root ignores the mode; the immutable flag stops it. Anyone else,
        // or a host without chattr, just fails here.
        immutable_ = std::system("chattr +i Data 2>/dev/null") == 0;
        std::ofstream probe("Data/probe");
        return !probe.is_open();
    }

    TempWorkDir dir_;
    bool stderrTaken_ = false;
    bool immutable_ = false;
};
}  // namespace

TEST_F(FaultTest, IntactFolderSavesEveryFile) {
    HeadlessGame game;
    EXPECT_EQ(PlayThrough(game), 1);
    std::optional<SavedGame> saved = SavedGame::Read();
    EXPECT_TRUE(saved.has_value());
    EXPECT_TRUE(TableHolds("Robust"));
    EXPECT_TRUE(fs::exists("Data/Help.dat"));
    EXPECT_TRUE(Showed(game, PlayScreen::kSavedCaption));
}

TEST_F(FaultTest, MissingDataFolder) {
    fs::remove_all("Data");
    HeadlessGame game;
    EXPECT_EQ(PlayThrough(game), 1);
    std::string errors = TakeStderr();
    EXPECT_FALSE(fs::exists("Data"));
    EXPECT_TRUE(Showed(game, PlayScreen::kNotSavedCaption));
    EXPECT_NE(errors.find("Times Roman 10 Font Metrics.dat"), std::string::npos) << errors;
    EXPECT_NE(errors.find("Resume.dat"), std::string::npos) << errors;
}

TEST_F(FaultTest, ReadOnlyDataFolderKeepsEveryFile) {
    const std::string resume = SomeSavedGame().Encode();
    HighScoreTable table;
    table.InsertEntry(NormalVariant, NormalDifficulty, 0, "Keeper", 99999);
    WriteBytes("Data/Resume.dat", resume);
    WriteBytes("Data/Info.dat", table.Encode());
    WriteBytes("Data/Help.dat", "7");
    if (!MakeDataReadOnly())
        GTEST_SKIP() << "this host cannot make a folder read-only";
    HeadlessGame game;
    EXPECT_EQ(PlayThrough(game), 1);
    TakeStderr();
    EXPECT_EQ(ReadBytes("Data/Resume.dat"), resume);
    EXPECT_EQ(ReadBytes("Data/Info.dat"), table.Encode());
    EXPECT_EQ(ReadBytes("Data/Help.dat"), "7");
    EXPECT_TRUE(Showed(game, PlayScreen::kNotSavedCaption));
}

TEST_F(FaultTest, NoAudioDevice) {
    {
        ScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
        HeadlessGame game;
        game.Start();
        EXPECT_FALSE(game.App().GetSoundSystem().HasDevice());
        EXPECT_EQ(PlayThrough(game), 1);
    }
    EXPECT_TRUE(SavedGame::Read().has_value());
}

// A saved game the game could resume into a broken board: it must be
// refused like any other damaged file.
TEST_F(FaultTest, SavedGameWithImpossibleDifficultyIsNotResumed) {
    SavedGame bad = SomeSavedGame();
    bad.difficulty = static_cast<Difficulty>(7);
    WriteBytes("Data/Resume.dat", bad.Encode());
    HeadlessGame game;
    game.Start();
    game.ClickButton(Buttons::kResume);
    EXPECT_TRUE(Showed(game, "No saved game..."));
    ASSERT_NE(game.Mode(), nullptr);
    EXPECT_GE(game.Mode()->DifficultyLevel(), Easy);
    EXPECT_LE(game.Mode()->DifficultyLevel(), Hard);
    game.Close();
    EXPECT_EQ(game.Exit(), 1);
}

// Ending with the end marker refused and the saved game not removable (a
// locked folder): the ended game is still never offered again in this run.
TEST_F(FaultTest, AnEndTheDiskRefusesIsRememberedForTheRun) {
    WriteBytes("Data/Resume.dat", SomeSavedGame().Encode());
    HeadlessGame game;
    game.Start();
    game.ClickButton(Buttons::kResume);
    if (!MakeDataReadOnly())
        GTEST_SKIP() << "this host cannot make a folder read-only";
    game.ClickButton(Buttons::kEnd);
    game.ClickButton(Buttons::kMenu);
    game.ClickButton(Buttons::kResume);
    EXPECT_TRUE(Showed(game, "No saved game..."));
    EXPECT_NE(TakeStderr().find("ended game stays"), std::string::npos);
    game.Close();
    EXPECT_EQ(game.Exit(), 1);
}

// Saved games the reader takes or refuses at the edge of the score range:
// play on from them must not overflow a sum (the sanitizers would stop it).
TEST_F(FaultTest, SavedGamesAtTheTopOfTheScoreRange) {
    struct Case {
        int32_t level, total;
        bool resumed;
    };
    for (const Case& c : {Case{2'000'000, 2'147'483'642, false}, Case{1, INT32_MAX - 5, true},
                          Case{1000, INT32_MAX, true}}) {
        SavedGame saved = SomeSavedGame();
        saved.level = c.level;
        saved.totalScore = c.total;
        WriteBytes("Data/Resume.dat", saved.Encode());
        HeadlessGame game;
        game.Start();
        game.ClickButton(Buttons::kResume);
        EXPECT_EQ(Showed(game, "No saved game..."), !c.resumed) << c.level;
        EXPECT_TRUE(game.PlayMoves(3));
        EXPECT_GE(game.Play()->TotalScore(), c.resumed ? c.total : 0) << c.level;
        game.Close();
        EXPECT_EQ(game.Exit(), 1);
        EXPECT_TRUE(SavedGame::Read().has_value()) << c.level;
    }
}

// Whatever stands at the display log's name is replaced, never opened: a
// link's target stays whole, and a pipe does not stop the start.
TEST_F(FaultTest, TheDisplayLogNeverOpensWhatStandsAtItsName) {
    WriteBytes("outside", "precious");
    fs::create_symlink(fs::absolute("outside"), "Direct Draw 5 Log.txt");
    for (bool pipe : {false, true}) {
        if (pipe) {
            fs::remove("Direct Draw 5 Log.txt");
            ASSERT_EQ(mkfifo("Direct Draw 5 Log.txt", 0644), 0);
        }
        HeadlessGame game;
        game.Start();
        EXPECT_TRUE(game.OnStartScreen());
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status("Direct Draw 5 Log.txt")));
        game.Close();
        EXPECT_EQ(game.Exit(), 1);
    }
    EXPECT_EQ(ReadBytes("outside"), "precious");
}

// The saved game and the high-score table, each as a directory, empty,
// 10 MB and random bytes.
enum class BadFile { Directory, Empty, Huge, Random };

struct BadFileCase {
    const char* file;
    BadFile kind;
};

class BadFileTest : public FaultTest, public ::testing::WithParamInterface<BadFileCase> {};

TEST_P(BadFileTest, GamePlaysThrough) {
    const BadFileCase bad = GetParam();
    const fs::path path = fs::path("Data") / bad.file;
    switch (bad.kind) {
        case BadFile::Directory:
            fs::create_directory(path);
            break;
        case BadFile::Empty:
            WriteBytes(path, "");
            break;
        case BadFile::Huge:
            WriteBytes(path, RandomBytes(10 << 20, 1));
            break;
        case BadFile::Random:
            WriteBytes(path, RandomBytes(777, 2));
            break;
    }
    HeadlessGame game;
    EXPECT_EQ(PlayThrough(game), 1);
    std::string errors = TakeStderr();
    const bool isResume = std::string(bad.file) == "Resume.dat";
    if (bad.kind == BadFile::Directory) {
        // Nothing is saved over a folder, and the player is told.
        EXPECT_TRUE(fs::is_directory(path));
        EXPECT_NE(errors.find(bad.file), std::string::npos) << errors;
        if (isResume) {
            EXPECT_TRUE(Showed(game, PlayScreen::kNotSavedCaption));
        }
        return;
    }
    if (isResume) {
        EXPECT_TRUE(SavedGame::Read().has_value());
    } else if (bad.kind == BadFile::Empty) {
        EXPECT_TRUE(TableHolds("Robust"));
    } else {
        // Whatever could be read of it was kept, and the file is a whole
        // table again.
        HighScoreTable table;
        table.LoadTable();
        EXPECT_EQ(ReadBytes(path), table.Encode());
    }
}

INSTANTIATE_TEST_SUITE_P(SavedGameAndHighScores, BadFileTest,
                         ::testing::Values(BadFileCase{"Resume.dat", BadFile::Directory},
                                           BadFileCase{"Resume.dat", BadFile::Empty},
                                           BadFileCase{"Resume.dat", BadFile::Huge},
                                           BadFileCase{"Resume.dat", BadFile::Random},
                                           BadFileCase{"Info.dat", BadFile::Directory},
                                           BadFileCase{"Info.dat", BadFile::Empty},
                                           BadFileCase{"Info.dat", BadFile::Huge},
                                           BadFileCase{"Info.dat", BadFile::Random}));

// Any one picture, sound or metrics file missing or cut to half its length.
namespace {
enum class AssetFault { Missing, Truncated, Pipe };

void Damage(const std::string& file, AssetFault fault) {
    if (fault != AssetFault::Truncated) {
        fs::remove(file);
        // Read like a file, a pipe would wait for ever for a writer.
        if (fault == AssetFault::Pipe)
            mkfifo(file.c_str(), 0644);
        return;
    }
    fs::resize_file(file, fs::file_size(file) / 2);
}

int Occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// The name the game gives the file: backslashes.
std::string GameName(std::string file) {
    for (char& c : file) {
        if (c == '/')
            c = '\\';
    }
    return file;
}

struct AssetCase {
    const char* file;
    AssetFault fault;
};

class AssetFaultTest : public FaultTest, public ::testing::WithParamInterface<AssetCase> {
  protected:
    void PlayWithout(const std::string& file, AssetFault fault) {
        Damage(file, fault);
        HeadlessGame game;
        EXPECT_EQ(PlayThrough(game), 1) << file;
        std::string errors = TakeStderr();
        if (fault == AssetFault::Missing) {
            // Said once, however often the screens load it again.
            EXPECT_EQ(Occurrences(errors, GameName(file)), 1) << file << "\n" << errors;
        }
        // The game itself goes on saving.
        EXPECT_TRUE(SavedGame::Read().has_value()) << file;
    }
};
}  // namespace

TEST_P(AssetFaultTest, GamePlaysThrough) {
    PlayWithout(GetParam().file, GetParam().fault);
}

// One of each kind the game reads; ./soak.sh tries every file.
INSTANTIATE_TEST_SUITE_P(
    OneOfEachKind, AssetFaultTest,
    ::testing::Values(AssetCase{"Graphics/Gui/Background.bmp", AssetFault::Missing},
                      AssetCase{"Graphics/Gui/Times Roman 16 Font.bmp", AssetFault::Missing},
                      AssetCase{"Graphics/Vlims/Blue Vlim Standard 1.bmp", AssetFault::Missing},
                      AssetCase{"Graphics/Gui/25 Points.bmp", AssetFault::Missing},
                      AssetCase{"Sounds/Click.wav", AssetFault::Missing},
                      AssetCase{"Data/Times Roman 10 Font Metrics.dat", AssetFault::Missing},
                      AssetCase{"Graphics/Gui/Background.bmp", AssetFault::Truncated},
                      AssetCase{"Graphics/Gui/Times Roman 10 Font.bmp", AssetFault::Truncated},
                      AssetCase{"Graphics/Vlims/Red Vlim Emotion 1.bmp", AssetFault::Truncated},
                      AssetCase{"Sounds/Score.wav", AssetFault::Truncated},
                      AssetCase{"Data/Times Roman 16 Font Metrics.dat", AssetFault::Truncated},
                      AssetCase{"Graphics/Gui/Background.bmp", AssetFault::Pipe},
                      AssetCase{"Graphics/Gui/Times Roman 10 Font.bmp", AssetFault::Pipe},
                      AssetCase{"Sounds/Score.wav", AssetFault::Pipe}));

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
                game.Start();
                game.ClickButton(Buttons::kHighScores);
                game.ClickButton(Buttons::kMenu);
                game.StartGame(NormalVariant, kAllDifficulties[runs % 3]);
                EXPECT_TRUE(game.PlayMoves(2)) << file;
                game.ClickButton(Buttons::kRotationalType);
                EXPECT_TRUE(game.PlayMoves(2)) << file;
                game.ClickButton(Buttons::kEnd);
                game.ClickButton(Buttons::kMenu);
                game.Close();
                EXPECT_EQ(game.Exit(), 1) << file;
            }
            std::string errors = testing::internal::GetCapturedStderr();
            if (fault == AssetFault::Missing && !unread.count(file)) {
                EXPECT_EQ(Occurrences(errors, GameName(file)), 1) << file;
            }
            ++runs;
        }
    }
    std::printf("%d files, %d runs\n", static_cast<int>(files.size()), runs);
}
