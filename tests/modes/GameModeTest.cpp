#include <gtest/gtest.h>

#include <memory>

#include "modes/GameMode.h"
#include "modes/ModeFixture.h"
#include "modes/NormalGame.h"
#include "modes/RotationalGame.h"
#include "modes/SavedGame.h"

namespace {
constexpr const char* kResume = "Data\\Resume.dat";

class GameModeTest : public ModeFixture {
  protected:
    std::unique_ptr<GameMode> Make(int32_t variant) {
        if (variant == NormalVariant)
            return std::make_unique<NormalGame>();
        return std::make_unique<RotationalGame>();
    }

    std::unique_ptr<GameMode> StartGame(GameVariant variant, Difficulty difficulty) {
        dir_.WriteFile("Data/Help.dat", "5");
        dir_.WriteFile("Data/Help2.dat", "5");
        auto game = Make(variant);
        game->NewGame(display_, sound_, kOrigin, kOrigin, false, difficulty, clock_.Now());
        return game;
    }

    std::unique_ptr<GameMode> Resume(int32_t variant, bool* resumed = nullptr) {
        auto game = Make(variant);
        bool ok = game->ResumeGame(kResume, display_, sound_, kOrigin, kOrigin, false);
        if (resumed)
            *resumed = ok;
        return game;
    }
};

TEST_F(GameModeTest, SaveThenResumeGivesTheSameGameInBothVariants) {
    for (GameVariant variant : kAllVariants) {
        auto game = StartGame(variant, Hard);
        Paint(*game, 0, 0, White);
        Paint(*game, 9, 9, Blue);
        game->SetLevelScore(340);
        ASSERT_TRUE(game->SaveGame(kResume, 3, 3340));
        std::string file = dir_.ReadFile("Data/Resume.dat");
        ASSERT_EQ(file.size(), 416u);
        EXPECT_EQ(file.substr(0, 16),
                  Int32Bytes(variant) + Int32Bytes(Hard) + Int32Bytes(3) + Int32Bytes(3340));
        EXPECT_EQ(file.substr(16, 4), Int32Bytes(White));
        EXPECT_EQ(file.substr(412, 4), Int32Bytes(Blue));

        std::string help = dir_.ReadFile("Data/Help.dat");
        std::string help2 = dir_.ReadFile("Data/Help2.dat");
        bool resumed = false;
        auto back = Resume(variant, &resumed);
        EXPECT_TRUE(resumed);
        EXPECT_EQ(back->Variant(), variant);
        EXPECT_EQ(back->DifficultyLevel(), Hard);
        EXPECT_EQ(back->LevelScore(), 0) << "the play screen sets the level's points";
        EXPECT_EQ(back->Colours(), game->Colours());
        EXPECT_FALSE(back->StartHelpShown());
        for (const Piece* cell : Pieces(*back)) EXPECT_TRUE(cell->growing);
        EXPECT_EQ(dir_.ReadFile("Data/Resume.dat"), file) << "resuming leaves the file";
        EXPECT_EQ(dir_.ReadFile("Data/Help.dat"), help) << "and the help counters";
        EXPECT_EQ(dir_.ReadFile("Data/Help2.dat"), help2);
    }
}

TEST_F(GameModeTest, ResumedGamePlaysOnAndRunsOutOfMovesLikeANewOne) {
    auto game = StartGame(NormalVariant, NormalDifficulty);
    FillQuiet(*game);
    ASSERT_TRUE(game->SaveGame(kResume, 1, 0));
    auto back = Resume(NormalVariant);
    Tick(*back);
    EXPECT_TRUE(back->NoMovesShown());
    RunFor(*back, 2600);
    EXPECT_FALSE(back->NoMovesShown());
    for (const Piece* cell : Pieces(*back)) ASSERT_NE(cell, nullptr);
}

// Which files are refused is the reader's test; here a refused one deals.
TEST_F(GameModeTest, AnUnplayableFileResumesAsAFreshBoardAndStays) {
    SavedGame bad;
    bad.colours.fill(Red);
    bad.colours[50] = static_cast<::PieceColour>(7);
    dir_.WriteFile("Data/Resume.dat", bad.Encode());
    testing::internal::CaptureStderr();
    bool resumed = true;
    auto game = Resume(RotationalVariant, &resumed);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Resume.dat"), std::string::npos);
    EXPECT_FALSE(resumed);
    for (int32_t colour : game->Colours()) EXPECT_TRUE(colour >= 1 && colour <= 6);
    EXPECT_TRUE(game->FindLines(4).Empty()) << "dealt, not the file's all-Red board";
    EXPECT_EQ(dir_.ReadFile("Data/Resume.dat"), bad.Encode()) << "left for a look";
}

TEST_F(GameModeTest, PointerMustBeStrictlyInsideTheCellCore) {
    auto game = StartGame(NormalVariant, NormalDifficulty);
    // Cell (2, 1) spans x 100..139, y 60..99; its core is 106..134, 66..94.
    EXPECT_TRUE(game->PointsAt(106, 66, 2, 1));
    EXPECT_TRUE(game->PointsAt(134, 94, 2, 1));
    EXPECT_FALSE(game->PointsAt(105, 80, 2, 1));
    EXPECT_FALSE(game->PointsAt(135, 80, 2, 1));
    EXPECT_FALSE(game->PointsAt(120, 65, 2, 1));
    EXPECT_FALSE(game->PointsAt(120, 95, 2, 1));

    // Hovering: the piece under the pointer is glad, the others calm.
    FillQuiet(*game);
    mouseX_ = 120;
    mouseY_ = 80;
    Tick(*game);
    EXPECT_EQ(game->At(2, 1)->mood, Emotion);
    mouseX_ = 135;
    Tick(*game);
    EXPECT_EQ(game->At(2, 1)->mood, Standard);
}

TEST_F(GameModeTest, NextLevelStartsWithoutTheClearSound) {
    dir_.WriteFile("Data/Help.dat", "5");
    NormalGame first;
    first.NewGame(display_, sound_, kOrigin, kOrigin, false, NormalDifficulty, clock_.Now());
    EXPECT_EQ(SoundsPlayed(), std::vector<std::string>{"Zoh"});
    clock_.Advance(100);
    NormalGame next;
    next.NewGame(display_, sound_, kOrigin, kOrigin, true, NormalDifficulty, clock_.Now());
    EXPECT_TRUE(SoundsPlayed().empty());
    for (const Piece* cell : Pieces(next)) ASSERT_NE(cell, nullptr);
    EXPECT_TRUE(next.FindLines(4).Empty());
}
}  // namespace
