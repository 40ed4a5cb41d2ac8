#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/Headless.h"
#include "platform/WebPage.h"
#include "support/ScopedEnv.h"

// Under either memory-only driver nobody sees the game: the hints page must
// not open a browser beside it (it names the page instead).
TEST(HeadlessTest, MemoryOnlyDriversHaveNoScreenAndOpenNoBrowser) {
    for (const char* driver : {"dummy", "offscreen"}) {
        ScopedEnv video("SDL_VIDEODRIVER", driver);
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        EXPECT_FALSE(HasScreen()) << driver;
        testing::internal::CaptureStderr();
        EXPECT_TRUE(OpenWebPage("Help\\Hints.html"));
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find("no screen to open the page on"), std::string::npos) << driver;
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
}
