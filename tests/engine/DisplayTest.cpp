#include <gtest/gtest.h>

#include "engine/Display.h"
#include "support/BmpWriter.h"
#include "support/TempWorkDir.h"
#include "support/WavBytes.h"

namespace {
constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kBlue = 0x0000FF;
constexpr uint32_t kGround = 0x203040;

// A 2 x 2 16-bit 5-6-5 picture (BI_BITFIELDS), as some paint programs save
// them: red with a black top-left pixel. Rows bottom-up.
std::string Bmp565() {
    const std::string red = LittleEndian16(0xF800);
    const std::string info = LittleEndian32(40) + LittleEndian32(2) + LittleEndian32(2) +
                             LittleEndian16(1) + LittleEndian16(16) + LittleEndian32(3) +
                             LittleEndian32(8) + std::string(16, '\0') + LittleEndian32(0xF800) +
                             LittleEndian32(0x07E0) + LittleEndian32(0x001F);
    return "BM" + LittleEndian32(14 + 52 + 8) + LittleEndian32(0) + LittleEndian32(14 + 52) + info +
           red + red + LittleEndian16(0) + red;
}

class DisplayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(display_.Create(nullptr));
        ASSERT_TRUE(display_.SetWindowed(625, 440));
        display_.FillRect(0, 0, 625, 440, kGround);
    }

    ImagePtr Load(const std::string& bytes, int width, int height) {
        dir_.WriteFile("Graphics/Gui/Test.bmp", bytes);
        return display_.LoadImageFile("Graphics\\Gui\\Test.bmp", width, height);
    }
    // A picture whose left half is red and right half black (a hole).
    ImagePtr HalfHole() {
        return Load(MakeBmp(10, 4, [](int x, int) { return x < 5 ? kRed : 0u; }), 10, 4);
    }
    // The pixel (x, y) of the image drawn whole at the top-left corner.
    uint32_t DrawnAt(const ImagePtr& image, int x, int y) {
        display_.FillRect(0, 0, 625, 440, kGround);
        EXPECT_TRUE(display_.DrawImage(image.get(), 0, 0));
        return display_.PixelAt(x, y);
    }

    TempWorkDir dir_;
    Display display_;
};

// Opaque pictures skip the colour key for speed; near-black must still draw.
// Scaling picks pixels: a blend would put dark red at the hole's edge.
TEST_F(DisplayTest, OnlyBlackIsTransparentWhateverTheFormatAndPicturesFlushWithTheEdgesDraw) {
    const ImagePtr half = HalfHole();
    EXPECT_EQ(DrawnAt(half, 4, 1), kRed);
    EXPECT_EQ(DrawnAt(half, 5, 1), kGround);
    EXPECT_TRUE(display_.DrawImageScaled(half.get(), 300, 300, 20, 8));
    EXPECT_EQ(display_.PixelAt(309, 307), kRed);
    EXPECT_EQ(display_.PixelAt(310, 300), kGround);
    const ImagePtr nearBlack = Load(MakeBmp(3, 3, [](int, int) { return 0x010101u; }), 3, 3);
    EXPECT_EQ(DrawnAt(nearBlack, 1, 1), 0x010101u);
    const ImagePtr bits565 = Load(Bmp565(), 2, 2);
    EXPECT_EQ(DrawnAt(bits565, 0, 0), kGround);
    EXPECT_EQ(DrawnAt(bits565, 1, 0) & 0xF80000, 0xF80000u);
    // Pictures stand on the window's right and bottom edges (the level bar, the
    // score cards); one that would stick out is not drawn at all.
    display_.FillRect(0, 0, 625, 440, kGround);
    EXPECT_TRUE(display_.DrawImage(half.get(), 615, 436));
    EXPECT_EQ(display_.PixelAt(615, 439), kRed);
    EXPECT_FALSE(display_.DrawImage(half.get(), 616, 0));
    EXPECT_FALSE(display_.DrawImageScaled(half.get(), 0, 437, 10, 4));
    EXPECT_EQ(display_.PixelAt(620, 0), kGround);
    EXPECT_EQ(display_.PixelAt(0, 439), kGround);
}

// A tick that repeats the last is neither drawn nor presented, yet a reader of
// the buffer sees every draw in order; a change or a lost screen is presented.
TEST_F(DisplayTest, RepeatedTicksAreSkippedYetLeaveThePixelsOfEveryDraw) {
    auto tick = [this](const Image* image, bool readMidway) {
        display_.FillRect(100, 100, 10, 4, kGround);
        if (readMidway) {
            EXPECT_EQ(display_.PixelAt(100, 100), kGround);
        }
        display_.DrawImage(image, 100, 100);
        display_.Present();
        return display_.PixelAt(100, 100);
    };
    ImagePtr red = HalfHole();
    EXPECT_EQ(tick(red.get(), false), kRed);
    const int presented = display_.PresentedFrames();
    EXPECT_EQ(tick(red.get(), true), kRed) << "a tick read halfway must still be finished";
    EXPECT_EQ(tick(red.get(), false), kRed);
    EXPECT_EQ(display_.PresentedFrames(), presented) << "an unchanged frame was presented";
    display_.Invalidate();
    display_.Present();
    EXPECT_EQ(display_.PresentedFrames(), presented + 1);

    red.reset();  // a new picture, perhaps where the freed one was
    const ImagePtr blue = Load(MakeBmp(10, 4, [](int, int) { return kBlue; }), 10, 4);
    EXPECT_EQ(tick(blue.get(), false), kBlue);
    EXPECT_EQ(display_.PresentedFrames(), presented + 2);

    display_.DrawImage(HalfHole().get(), 300, 300);  // freed before it is carried out
    EXPECT_EQ(display_.PixelAt(300, 300), kRed);
}

// The log is emptied at start (a normal start leaves it so) and then holds
// only the line of the step that failed.
TEST(DisplayLog, FailedSetUpWritesOnlyItsLine) {
    TempWorkDir dir;
    dir.WriteFile("Direct Draw 5 Log.txt", "old contents");
    {
        Display display;
        EXPECT_EQ(dir.ReadFile("Direct Draw 5 Log.txt"), "");
        EXPECT_FALSE(display.SetWindowed(625, 440));  // no Create first
    }
    EXPECT_EQ(dir.ReadFile("Direct Draw 5 Log.txt"),
              "\r\n Could not set windowed mode cooperative level!");
}
}  // namespace
