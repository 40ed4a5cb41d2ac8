#include <algorithm>

#include "modes/ModeFixture.h"
#include "platform/WebPage.h"
#include "screens/GameFlowTest.h"
#include "screens/StartScreen.h"

namespace {
using StartScreenTest = GameFlowTest;

// Help opens the hints page and the menu stays.
TEST_F(StartScreenTest, HelpOpensTheHintsPage) {
    WebPageRecorder pages;
    game.Start();
    game.ClickButton(Buttons::kHelp);
    EXPECT_EQ(pages.Opened(), std::vector<std::string>{FileUrl(StartScreen::kHintsPage)});
    EXPECT_NE(game.Current<StartScreen>(), nullptr);
}

// The picture steps Easy, Normal, Hard only for a press inside its edges,
// blocking for 500 ms, so that a held press steps once every 500 ms.
TEST_F(StartScreenTest, PictureCyclesTheDifficultyOnlyInsideItsEdges) {
    game.Start();
    const int edges[][2] = {{120, 185}, {270, 185}, {195, 110}, {195, 260}};
    for (const auto& point : edges) {
        game.Press(point[0], point[1]);
        EXPECT_EQ(shared.difficulty, NormalDifficulty) << point[0] << "," << point[1];
    }
    game.Press(121, 111);
    EXPECT_EQ(shared.difficulty, Hard);
    for (Difficulty expected : {Easy, NormalDifficulty, Hard}) {
        const uint32_t before = game.Clock().Now();
        game.Press(195, 185);
        EXPECT_EQ(shared.difficulty, expected);
        EXPECT_GE(game.Clock().Now() - before, 500u) << "the step blocks for 500 ms";
    }
}

// A board with one move in each variant, at level 4 with 3300 points: fewer
// than levels 1 to 3 took, as after a resume and New Game.
SavedGame SavedBoard() {
    SavedGame game = SampleSavedGame();
    game.totalScore = 3300;
    for (int cell = 0; cell < 100; ++cell)
        game.colours[cell] = static_cast<PieceColour>(1 + (cell % 10 + 2 * (cell / 10)) % 6);
    game.colours[1] = game.colours[2] = game.colours[13] = Blue;
    return game;
}

// Resume plays a saved game as saved and leaves the file; without one it says
// so and starts a new Normal game.
TEST_F(StartScreenTest, ResumeTakesOnlyAPlayableSavedGame) {
    const SavedGame saved = SavedBoard();
    const struct {
        const char* name;
        std::string bytes;
        bool resumes;
    } cases[] = {{"saved", saved.Encode(), true},
                 {"end marker", std::string("\x63\0\0\0", 4), false},
                 {"short", saved.Encode().substr(0, 100), false}};
    game.Start();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dir.WriteFile("Data/Resume.dat", c.bytes);
        const int refusals = game.Shown("No saved game...");
        game.ClickButton(Buttons::kResume);
        EXPECT_EQ(game.Shown("No saved game..."), refusals + (c.resumes ? 0 : 1));
        EXPECT_EQ(shared.variant, c.resumes ? RotationalVariant : NormalVariant);
        EXPECT_EQ(Play().Level(), c.resumes ? 4 : 1);
        EXPECT_EQ(Play().TotalScore(), c.resumes ? 3300 : 0);
        EXPECT_EQ(dir.ReadFile("Data/Resume.dat"), c.bytes);
        if (c.resumes) {
            EXPECT_EQ(shared.difficulty, Hard);
            EXPECT_EQ(Play().ScoreBase(), 3000) << "levels 1 to 3";
            EXPECT_TRUE(Play().RotationalTypeButton()->Pushed());
            const auto colours = game.Mode()->Colours();
            EXPECT_TRUE(std::equal(colours.begin(), colours.end(), saved.colours.begin()));
        }
        game.ClickButton(Buttons::kEnd);  // 3300 points: the name prompt is cancelled
        game.ClickButton(Buttons::kMenu);
    }
}
}  // namespace
