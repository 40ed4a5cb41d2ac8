#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "modes/ModeFixture.h"
#include "screens/TestAssets.h"

namespace {
const GridPoint kNothing{-1, -1};

// What tells the variants apart; every rule below holds for both.
struct VariantRules {
    // The pixels, edges included, where a press picks `target`: the cell it
    // selects, or the top-left cell of the block it turns.
    int32_t left, top, right, bottom;
    GridPoint target;
    // How long a move making no line rests before it goes back.
    uint32_t pauseBeforeBack;
    const char* helpFile;
    uint32_t helpRgb;
};

// Cell (2, 1) spans x 100..139 and y 60..99, but only its core takes a
// press, so a press between pieces selects none. The button of inner corner
// (4, 4), at (180, 180), reaches 10 pixels left and up but 15 right and down.
const VariantRules kNormalRules = {106, 66, 134, 94, {2, 1}, 0, "Data/Help.dat", kTestStartHelpRgb};
const VariantRules kRotationalRules = {
    170, 170, 195, 195, {3, 3}, 100, "Data/Help2.dat", kTestStartHelp2Rgb};

// Swapping (1, 1) with (2, 2), or turning the block they span, makes no line
// on the quiet board.
constexpr Move kIdleMove{1, 1, 2, 2};

class GameModeTest : public ModeFixture {
  protected:
    static const VariantRules& Rules() {
        return GetParam() == NormalVariant ? kNormalRules : kRotationalRules;
    }

    bool Picked(GridPoint cell) const {
        if (Normal())
            return Normal()->SelectedX() == cell.x && Normal()->SelectedY() == cell.y;
        return Rotational()->BlockTopLeft() == cell;
    }

    static void ExpectSlideTime(uint32_t took) {
        EXPECT_GE(took, 510u);
        EXPECT_LE(took, 530u);
    }
};

TEST_P(GameModeTest, APressPicksOnlyInsideItsArea) {
    const VariantRules& area = Rules();
    const int32_t x = (area.left + area.right) / 2, y = (area.top + area.bottom) / 2;
    const struct {
        int32_t x, y;
        bool inside;
    } presses[] = {{area.left, y, true},       {area.left - 1, y, false},  {area.right, y, true},
                   {area.right + 1, y, false}, {x, area.top, true},        {x, area.top - 1, false},
                   {x, area.bottom, true},     {x, area.bottom + 1, false}};
    for (const auto& press : presses) {
        Start(NormalDifficulty);
        Click(press.x, press.y);
        EXPECT_TRUE(Picked(press.inside ? area.target : kNothing)) << press.x << ", " << press.y;
    }
}

// The hint is free up to 100 points of the level and costs 100 above; it
// marks the first move the search lists until a move is made. That move
// slides 40 pixels at 80 a second, about 513 ms, and its line scores at
// once. A line the refill happens to form stands until the next board check,
// two seconds on, and no move is taken meanwhile.
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
    ExpectSlideTime(RunUntilMoveEnds() + kTick - Rules().pauseBeforeBack);
    EXPECT_NE(game->Colours(), before);
    ExpectSlideTime(RunUntilMoveEnds());
    EXPECT_FALSE(Moving());
    EXPECT_EQ(game->Colours(), before);
    EXPECT_EQ(game->LevelScore(), 0);
}

// The first two games of each variant, counted in its own file, show the
// start help until the first move. Normal help games are played on Easy with
// a demonstration row; a turning game keeps the chosen difficulty and shows
// the help for eight seconds at most.
TEST_P(GameModeTest, TheFirstTwoGamesShowTheStartHelpUntilTheFirstMove) {
    const bool normal = GetParam() == NormalVariant;
    dir.WriteFile(Rules().helpFile, "2");
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
        EXPECT_EQ(display.PixelAt(250, 150) == Rules().helpRgb, help);
        Tick();
        EXPECT_EQ(display.PixelAt(250, 150) == Rules().helpRgb, help && normal);
        MakeMove(kIdleMove);
        EXPECT_FALSE(game->StartHelpShown());
        EXPECT_NE(display.PixelAt(250, 150), Rules().helpRgb);
    }
    EXPECT_EQ(dir.ReadFile(Rules().helpFile), "4");
    EXPECT_EQ(dir.ReadFile(normal ? "Data/Help2.dat" : "Data/Help.dat"), "5");
}

// With no move left the board check drops a move begun on its tick and
// shows the notice for 2.5 s, then deals a new board with the clear sound;
// a move begun during the notice goes on over the new board.
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
    RunUntilMoveEnds();
    RunUntilMoveEnds();
    EXPECT_FALSE(Moving());
    Tick();
    EXPECT_NE(display.PixelAt(210, 220), kTestNoMovesRgb);
}

INSTANTIATE_TEST_SUITE_P(BothVariants, GameModeTest,
                         ::testing::Values(NormalVariant, RotationalVariant), [](const auto& info) {
                             return info.param == NormalVariant ? "Normal" : "Rotational";
                         });
}  // namespace
