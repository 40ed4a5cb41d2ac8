#include "robust/HeadlessGame.h"
#include "support/ScreenFixture.h"

namespace {
constexpr uint32_t kNormalColour = 0x2040A0;
constexpr uint32_t kPushedColour = 0xA04020;

// A 150 x 40 button at (100, 50).
class ButtonTest : public ScreenFixture {
  protected:
    ButtonTest() {
        WritePicture(dir, "Graphics\\Gui\\T.bmp", 150, 40, kNormalColour);
        WritePicture(dir, "Graphics\\Gui\\T Pushed.bmp", 150, 40, kPushedColour);
        HeadlessGame::CopyGameFolder();
    }

    void LoadAt(uint32_t tick) {
        clock.Set(tick);
        button.Load(display, sound, 100, 50, 150, 40, "Graphics\\Gui\\T.bmp",
                    "Graphics\\Gui\\T Pushed.bmp", "Sounds\\Click.wav", clock.Now());
        sound.TakeStarted();
    }
    // One press in the middle of the button.
    void PressInside() { button.HandleMouse(175, 70, true, false, clock.Now()); }

    Button button;
};

// Only the left button inside the edges presses, not on the tick of the
// Load; a press clicks once, shows the pushed picture at once and holding
// it clicks no more.
TEST_F(ButtonTest, APressIsTheLeftButtonInsideTheEdgesAfterTheLoadTick) {
    LoadAt(1000);
    PressInside();
    EXPECT_FALSE(button.Pushed()) << "same tick as Load";
    clock.Advance(1);
    button.HandleMouse(175, 70, false, true, clock.Now());
    EXPECT_FALSE(button.Pushed()) << "right button only";
    const int outside[][2] = {{100, 70}, {250, 70}, {175, 50}, {175, 90}};
    for (const auto& point : outside) {
        button.HandleMouse(point[0], point[1], true, false, clock.Now());
        EXPECT_FALSE(button.Pushed()) << point[0] << "," << point[1];
    }
    button.HandleMouse(101, 51, true, false, clock.Now());
    EXPECT_TRUE(button.Pushed());
    button.Draw(display);
    EXPECT_EQ(display.PixelAt(249, 89), kPushedColour);
    EXPECT_EQ(sound.TakeStarted(), std::vector<std::string>{"Sounds\\Click.wav"});
    clock.Advance(10);
    PressInside();
    EXPECT_TRUE(sound.TakeStarted().empty()) << "a held button does not click again";
}

// The click comes more than 250 ms after the press, even when the mouse was
// released and left, and stays until the screen clears it; a pushed button
// takes no press, nor does one within 500 ms of the last. All across the tick
// wrap, though the Load's tick is now "larger"; 25 days is past 2^31 ms: a
// signed difference would read deadlines that long past as future ones.
TEST_F(ButtonTest, ClickComesMoreThan250MsAfterThePressAndPressesAre500MsApartAcrossTheWrap) {
    LoadAt(0xFFFFFF00u);
    clock.Set(0xFFFFFFF0u);
    PressInside();
    ASSERT_TRUE(button.Pushed());
    EXPECT_EQ(button.ReleaseTime(), 0xEAu);
    clock.Set(0xFFFFFFFFu);
    button.HandleMouse(0, 0, false, false, clock.Now());
    EXPECT_FALSE(button.IsClicked(clock.Now()));
    clock.Set(0xEAu);
    EXPECT_FALSE(button.IsClicked(clock.Now()));
    clock.Set(0xEBu);
    EXPECT_TRUE(button.IsClicked(clock.Now()));
    EXPECT_TRUE(button.IsClicked(clock.Now())) << "stays clicked until the screen clears it";
    button.SetPushed(false);
    EXPECT_FALSE(button.IsClicked(clock.Now()));
    clock.Set(0x1E4u);  // 500 ms after the press
    PressInside();
    EXPECT_FALSE(button.Pushed());
    clock.Set(0x1E5u);
    PressInside();
    EXPECT_TRUE(button.Pushed());

    constexpr uint32_t k25Days = 25u * 24 * 3600 * 1000;
    clock.Advance(k25Days);
    EXPECT_TRUE(button.IsClicked(clock.Now())) << "pushed 25 days ago and not yet clicked";
    PressInside();
    EXPECT_EQ(button.ReleaseTime(), 0x1E5u + 250) << "a pushed button takes no press";
    button.SetPushed(false);
    LoadAt(1000);
    clock.Advance(k25Days);
    PressInside();
    EXPECT_TRUE(button.Pushed()) << "a button loaded 25 days ago refused the press";
}
}  // namespace
