#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "modes/ModeFixture.h"
#include "support/TestAssets.h"

namespace {
using GameModeTest = ModeFixture;

// The hint, free up to 100 points and 100 above, marks the first move listed
// until a move; that move's line scores at once. A line a refill forms stands
// until the board check two seconds on, and takes no move meanwhile.
TEST_P(GameModeTest, TheHintedMoveScoresAtOnceAndARefillLineWaitsForTheNextCheck) {
    Start(NormalDifficulty);
    game->SetLevelScore(100);
    game->ShowHint();
    EXPECT_EQ(game->LevelScore(), 100);
    const Move first = Moves()[0];  // Purple into (9, 6)
    ASSERT_EQ(game->Hint(), first);
    EXPECT_EQ(game->At(first.x1, first.y1)->mood, Scared);
    EXPECT_EQ(game->At(first.x2, first.y2)->mood, Scared);
    game->SetLevelScore(101);
    game->ShowHint();
    EXPECT_EQ(game->LevelScore(), 1);
    MakeMove(first);
    ExpectSlideTime(RunUntilMoveEnds() + kTick);
    EXPECT_FALSE(Moving()) << "a move making a line does not go back";
    EXPECT_FALSE(game->Hint());
    EXPECT_EQ(game->LevelScore(), 26);

    const uint32_t check = game->NextCheckTime();
    EXPECT_EQ(check, clock.Now() + 2000);
    for (int32_t x = 0; x < 4; ++x) game->PlacePiece(x, 0, White);
    MakeMove(kIdleMove);
    EXPECT_FALSE(Moving()) << "a standing line takes no move";
    while (!TickAfter(clock.Now() + kTick, check)) Tick();
    EXPECT_EQ(game->LevelScore(), 26);
    Tick();
    EXPECT_GE(game->LevelScore(), 51);
}

// A move making no line comes back as fast as it went; a turn first rests
// 100 ms, in which the whole game waits. Nothing scores.
TEST_P(GameModeTest, AMoveMakingNoLineGoesBack) {
    Start(NormalDifficulty);
    const auto before = game->Colours();
    MakeMove(kIdleMove);  // a diagonal swap, or a turn
    ASSERT_TRUE(Moving());
    const uint32_t pauseBeforeBack = GetParam() == RotationalVariant ? 100 : 0;
    ExpectSlideTime(RunUntilMoveEnds() + kTick - pauseBeforeBack);
    EXPECT_NE(game->Colours(), before);
    ExpectSlideTime(RunUntilMoveEnds());
    EXPECT_FALSE(Moving());
    EXPECT_EQ(game->Colours(), before);
    EXPECT_EQ(game->LevelScore(), 0);
}

// The first two games of each variant (its own file) show the start help
// until the first move: Normal ones on Easy with a demonstration row, turning
// ones on the chosen difficulty for eight seconds at most.
TEST_P(GameModeTest, TheFirstTwoGamesShowTheStartHelpUntilTheFirstMove) {
    const bool normal = GetParam() == NormalVariant;
    const std::string helpFile = normal ? "Data/Help.dat" : "Data/Help2.dat";
    const uint32_t helpRgb = normal ? kTestStartHelpRgb : kTestStartHelp2Rgb;
    dir.WriteFile(helpFile, "2");
    for (const bool help : {true, false}) {
        clock.Advance(977);  // a different deal each time
        Start(Hard, false);
        EXPECT_EQ(game->StartHelpShown(), help);
        EXPECT_EQ(game->DifficultyLevel(), help && normal ? Easy : Hard);
        EXPECT_TRUE(game->FindLines(4).Empty());
        const int32_t row[] = {White, White, White, Red, White};
        for (int32_t x = 3; x <= 7 && help && normal; ++x)
            EXPECT_EQ(game->At(x, 4)->Colour(), row[x - 3]);
        RunFor(7990);
        if (help && !normal) {
            EXPECT_LE(game->QuietFor(clock.Now()), 10u) << "the loop would sleep past the help";
        }
        EXPECT_EQ(display.PixelAt(250, 150) == helpRgb, help);
        Tick();
        EXPECT_EQ(display.PixelAt(250, 150) == helpRgb, help && normal);
        MakeMove(kIdleMove);
        EXPECT_FALSE(game->StartHelpShown());
        EXPECT_NE(display.PixelAt(250, 150), helpRgb);
    }
    EXPECT_EQ(dir.ReadFile(helpFile), "4");
    EXPECT_EQ(dir.ReadFile(normal ? "Data/Help2.dat" : "Data/Help.dat"), "5");
}

// With no move left the check drops a move begun on its tick, shows the notice
// 2.5 s, then deals with the clear sound; a move begun meanwhile goes on.
TEST_P(GameModeTest, NoMovesLeftShowsForTwoAndAHalfSecondsThenANewBoard) {
    Start(NormalDifficulty);
    FillQuiet(*game);  // the last move is gone
    const uint32_t firstCheck = clock.Now() + kTick;
    MakeMove(kIdleMove);
    ASSERT_TRUE(game->NoMovesShown());
    EXPECT_FALSE(Moving()) << "the check dropped the move";
    RunFor(2000);
    EXPECT_EQ(display.PixelAt(210, 220), kTestNoMovesRgb);
    MakeMove(kIdleMove);
    ASSERT_TRUE(Moving());
    sound.TakeStarted();
    while (game->NoMovesShown()) Tick();
    EXPECT_EQ(clock.Now() - firstCheck, 2510u);
    EXPECT_EQ(sound.TakeStarted(), std::vector<std::string>{"Sounds\\Zoh.wav"});
    EXPECT_TRUE(Moving()) << "the new board does not stop the move";
    Tick();
    EXPECT_NE(display.PixelAt(210, 220), kTestNoMovesRgb);
}

INSTANTIATE_TEST_SUITE_P(BothVariants, GameModeTest,
                         ::testing::Values(NormalVariant, RotationalVariant), [](const auto& info) {
                             return info.param == NormalVariant ? "Normal" : "Rotational";
                         });
}  // namespace
