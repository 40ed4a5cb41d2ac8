#include <gtest/gtest.h>

#include "engine/Display.h"
#include "support/BmpWriter.h"
#include "support/TempWorkDir.h"

namespace {
constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kGround = 0x203040;

class DisplayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(display_->Create(nullptr));
        ASSERT_TRUE(display_->SetWindowed(625, 440));
        display_->FillRect(0, 0, 625, 440, kGround);
    }

    // A picture whose left half is red and right half black (a hole).
    ImagePtr HalfHole(int width, int height) {
        dir_.WriteFile("Graphics/Gui/Half.bmp", MakeBmp(width, height, [width](int x, int) {
                           return x < width / 2 ? kRed : 0u;
                       }));
        return display_->LoadImageFile("Graphics\\Gui\\Half.bmp", width, height);
    }

    TempWorkDir dir_;
    std::unique_ptr<Display> display_ = std::make_unique<Display>();
};

TEST_F(DisplayTest, BlackIsTransparentInEveryDraw) {
    ImagePtr image = HalfHole(10, 4);
    EXPECT_TRUE(display_->DrawImage(image.get(), 100, 100));
    EXPECT_EQ(display_->PixelAt(104, 101), kRed);
    EXPECT_EQ(display_->PixelAt(105, 101), kGround);

    display_->DrawImagePart(image.get(), 200, 200, 3, 1, 8, 3);
    EXPECT_EQ(display_->PixelAt(200, 200), kRed);  // source x 3
    EXPECT_EQ(display_->PixelAt(201, 201), kRed);  // source x 4
    EXPECT_EQ(display_->PixelAt(202, 200), kGround);
    EXPECT_EQ(display_->PixelAt(200, 202), kGround);  // only two rows copied

    EXPECT_TRUE(display_->DrawImageScaled(image.get(), 300, 300, 20, 8));
    EXPECT_EQ(display_->PixelAt(309, 307), kRed);
    EXPECT_EQ(display_->PixelAt(310, 300), kGround);
    EXPECT_EQ(display_->PixelAt(300, 308), kGround);
}

// A 16-bit 5-6-5 picture (BI_BITFIELDS), as some paint programs save them:
// red with a black (transparent) top-left pixel.
TEST_F(DisplayTest, BlackIsTransparentInA565Picture) {
    auto le = [](uint32_t value, int bytes) {
        std::string out;
        for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
        return out;
    };
    // Bottom-up rows: red red, then black red.
    std::string pixels = le(0xF800, 2) + le(0xF800, 2) + le(0, 2) + le(0xF800, 2);
    std::string info = le(40, 4) + le(2, 4) + le(2, 4) + le(1, 2) + le(16, 2) + le(3, 4) +
                       le(8, 4) + std::string(16, '\0') + le(0xF800, 4) + le(0x07E0, 4) +
                       le(0x001F, 4);
    std::string header = "BM" + le(14 + info.size() + 8, 4) + le(0, 4) + le(14 + info.size(), 4);
    dir_.WriteFile("Key565.bmp", header + info + pixels);
    ImagePtr image = display_->LoadImageFile("Key565.bmp", 2, 2);
    EXPECT_TRUE(display_->DrawImage(image.get(), 40, 40));
    EXPECT_EQ(display_->PixelAt(40, 40), kGround);
    EXPECT_EQ(display_->PixelAt(41, 40) & 0xF80000, 0xF80000u);
}

TEST_F(DisplayTest, PictureWithoutBlackDrawsWholeAndOneBlackPixelStaysAHole) {
    // Opaque pictures skip the colour key for speed; near-black must still draw.
    dir_.WriteFile("Opaque.bmp", MakeBmp(3, 3, [](int, int) { return 0x010101u; }));
    ImagePtr opaque = display_->LoadImageFile("Opaque.bmp", 3, 3);
    EXPECT_TRUE(display_->DrawImage(opaque.get(), 10, 10));
    EXPECT_EQ(display_->PixelAt(12, 12), 0x010101u);
    dir_.WriteFile("Dot.bmp",
                   MakeBmp(3, 3, [](int x, int y) { return x == 1 && y == 1 ? 0u : kRed; }));
    ImagePtr dot = display_->LoadImageFile("Dot.bmp", 3, 3);
    EXPECT_TRUE(display_->DrawImage(dot.get(), 20, 20));
    EXPECT_EQ(display_->PixelAt(21, 21), kGround);
    EXPECT_EQ(display_->PixelAt(22, 22), kRed);
}

TEST_F(DisplayTest, ScaledDrawPicksPixelsWithoutBlending) {
    dir_.WriteFile("Stripes.bmp",
                   MakeBmp(2, 2, [](int x, int) { return x % 2 ? 0x00FF00u : 0x0000FFu; }));
    ImagePtr image = display_->LoadImageFile("Stripes.bmp", 2, 2);
    EXPECT_TRUE(display_->DrawImageScaled(image.get(), 0, 0, 4, 4));
    EXPECT_EQ(display_->PixelAt(0, 3), 0x0000FFu);
    EXPECT_EQ(display_->PixelAt(1, 3), 0x0000FFu);
    EXPECT_EQ(display_->PixelAt(2, 0), 0x00FF00u);
    EXPECT_EQ(display_->PixelAt(3, 3), 0x00FF00u);
    EXPECT_EQ(display_->PixelAt(4, 0), kGround);

    EXPECT_TRUE(display_->DrawImageScaled(image.get(), 10, 10, 1, 1));
    uint32_t shrunk = display_->PixelAt(10, 10);
    EXPECT_TRUE(shrunk == 0x0000FFu || shrunk == 0x00FF00u) << std::hex << shrunk;
}

TEST_F(DisplayTest, DestinationNotWhollyInsideDrawsNothing) {
    ImagePtr image = HalfHole(10, 4);
    EXPECT_FALSE(display_->DrawImage(image.get(), -1, 0));
    EXPECT_FALSE(display_->DrawImage(image.get(), 616, 0));  // right edge at 626
    EXPECT_FALSE(display_->DrawImage(image.get(), 0, 437));
    EXPECT_EQ(display_->PixelAt(0, 0), kGround);
    EXPECT_EQ(display_->PixelAt(620, 0), kGround);
    EXPECT_EQ(display_->PixelAt(0, 438), kGround);

    EXPECT_TRUE(display_->DrawImage(image.get(), 615, 436));  // flush with both edges
    EXPECT_EQ(display_->PixelAt(615, 439), kRed);

    EXPECT_FALSE(display_->DrawImageScaled(image.get(), 620, 0, 6, 4));
    display_->DrawImagePart(image.get(), 0, -1, 0, 0, 2, 2);
    display_->DrawImagePart(image.get(), 0, 0, 0, 0, 11, 2);  // source outside the image
    display_->DrawImagePart(image.get(), 0, 0, 2, 0, 2, 2);   // empty source
    EXPECT_EQ(display_->PixelAt(0, 0), kGround);
    EXPECT_FALSE(display_->DrawImage(nullptr, 0, 0));
}

TEST_F(DisplayTest, LoadsTheTopLeftRegionOfALargerFile) {
    dir_.WriteFile("Big.bmp", MakeBmp(300, 40, [](int x, int y) {
                       return x < 250 && y < 20 ? 0x0000FFu : 0x00FF00u;
                   }));
    ImagePtr image = display_->LoadImageFile("Big.bmp", 250, 20);
    EXPECT_EQ(image->width, 250);
    EXPECT_EQ(image->height, 20);
    display_->DrawImage(image.get(), 0, 0);
    EXPECT_EQ(display_->PixelAt(0, 0), 0x0000FFu);
    EXPECT_EQ(display_->PixelAt(249, 19), 0x0000FFu);
    EXPECT_EQ(display_->PixelAt(250, 0), kGround);
    EXPECT_EQ(display_->PixelAt(0, 20), kGround);
}

TEST_F(DisplayTest, MissingFileGivesATransparentImageOfTheAskedSize) {
    testing::internal::CaptureStderr();
    ImagePtr image = display_->LoadImageFile("Graphics\\Gui\\Nothing.bmp", 30, 20);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Graphics\\Gui\\Nothing.bmp"), std::string::npos);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 30);
    EXPECT_TRUE(display_->DrawImage(image.get(), 10, 10));
    EXPECT_EQ(display_->PixelAt(10, 10), kGround);
}

TEST_F(DisplayTest, PresentSkipsFramesThatDidNotChange) {
    ImagePtr image = HalfHole(10, 4);
    display_->Present();
    EXPECT_EQ(display_->PresentedFrames(), 1);
    display_->Present();
    EXPECT_EQ(display_->PresentedFrames(), 1);

    display_->DrawImage(image.get(), 50, 50);
    display_->Present();
    EXPECT_EQ(display_->PresentedFrames(), 2);
    display_->DrawImage(image.get(), 50, 50);  // same pixels again
    display_->Present();
    EXPECT_EQ(display_->PresentedFrames(), 2);

    display_->Invalidate();
    display_->Present();
    EXPECT_EQ(display_->PresentedFrames(), 3);
}

// Draws are carried out late and skipped when a tick repeats the last one;
// whoever reads the buffer must still see every draw done, in order.
TEST_F(DisplayTest, RepeatedTicksLeaveThePixelsOfEveryDraw) {
    auto tick = [this](const Image* image, bool readMidway) {
        display_->FillRect(100, 100, 10, 4, kGround);
        if (readMidway) {
            EXPECT_EQ(display_->PixelAt(100, 100), kGround);
        }
        display_->DrawImage(image, 100, 100);
        display_->Present();
        return display_->PixelAt(100, 100);
    };
    ImagePtr red = HalfHole(10, 4);
    EXPECT_EQ(tick(red.get(), false), kRed);
    EXPECT_EQ(tick(red.get(), true), kRed) << "a tick read halfway must still be finished";
    EXPECT_EQ(tick(red.get(), false), kRed);

    red.reset();  // a new picture, perhaps where the freed one was
    dir_.WriteFile("Blue.bmp", MakeBmp(10, 4, [](int, int) { return 0x0000FFu; }));
    ImagePtr blue = display_->LoadImageFile("Blue.bmp", 10, 4);
    EXPECT_EQ(tick(blue.get(), false), 0x0000FFu);

    display_->DrawImage(HalfHole(10, 4).get(), 300, 300);  // freed before it is carried out
    EXPECT_EQ(display_->PixelAt(300, 300), kRed);
}

TEST(DisplayLog, NormalStartLeavesTheLogEmpty) {
    TempWorkDir dir;
    {
        Display display;
        EXPECT_TRUE(display.Create(nullptr));
        EXPECT_TRUE(display.SetWindowed(625, 440));
        EXPECT_TRUE(dir.Exists("Direct Draw 5 Log.txt"));
    }
    EXPECT_EQ(dir.ReadFile("Direct Draw 5 Log.txt"), "");
}

TEST(DisplayLog, FailedSetUpWritesOnlyItsLine) {
    TempWorkDir dir;
    dir.WriteFile("Direct Draw 5 Log.txt", "old contents");
    {
        Display display;
        EXPECT_EQ(dir.ReadFile("Direct Draw 5 Log.txt"), "");
        EXPECT_FALSE(display.SetWindowed(625, 440));  // no Create first
        display.Present();                            // must not touch a missing buffer
        display.FillRect(0, 0, 10, 10, kRed);
        EXPECT_EQ(display.PixelAt(0, 0), 0u);
    }
    EXPECT_EQ(dir.ReadFile("Direct Draw 5 Log.txt"),
              "\r\n Could not set windowed mode cooperative level!");
}
}  // namespace
