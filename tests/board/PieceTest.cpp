#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "board/Board.h"
#include "board/Piece.h"
#include "engine/Display.h"
#include "platform/ManualClock.h"
#include "support/BmpWriter.h"
#include "support/TempWorkDir.h"

namespace {

constexpr uint32_t kGround = 0x102030;
constexpr uint32_t kStandardColour = 0x3050C0;
constexpr uint32_t kEmotionColours[] = {0x10A010, 0x20B020, 0x30C030};
constexpr uint32_t kScaredColours[] = {0xC01010, 0xD02020};

class PieceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(display_->Create(nullptr));
        ASSERT_TRUE(display_->SetWindowed(625, 440));
        Load(Standard, "Standard", {kStandardColour});
        Load(Emotion, "Emotion", {kEmotionColours[0], kEmotionColours[1], kEmotionColours[2]});
        Load(Scared, "Scared", {kScaredColours[0], kScaredColours[1]});
        ClearScreen();
    }

    void Load(PieceMood mood, const std::string& name, std::initializer_list<uint32_t> colours) {
        int number = 1;
        for (uint32_t colour : colours) {
            dir_.WriteFile("Graphics/Vlims/Blue Vlim " + name + std::to_string(number++) + ".bmp",
                           MakeBmp(40, 40, [colour](int, int) { return colour; }));
        }
        board_.PieceFrames(Blue, mood)
            .LoadFrames(*display_, "Graphics\\Vlims\\Blue Vlim " + name,
                        static_cast<int>(colours.size()), 200, 40, 40);
    }

    void ClearScreen() { display_->FillRect(0, 0, 625, 440, kGround); }

    // The square the piece covered when drawn at (100, 100): its left, top
    // and size, or size 0 when nothing was drawn.
    struct Square {
        int left = 0, top = 0, size = 0;
        uint32_t colour = kGround;
    };
    Square Drawn() const {
        Square square;
        for (int y = 100; y < 140; ++y) {
            for (int x = 100; x < 140; ++x) {
                if (display_->PixelAt(x, y) != kGround) {
                    if (square.size == 0) {
                        square = {x, y, 0, display_->PixelAt(x, y)};
                    }
                    square.size = x - square.left + 1;
                }
            }
        }
        return square;
    }

    TempWorkDir dir_;
    ManualClock clock_{10000};
    std::unique_ptr<Display> display_ = std::make_unique<Display>();
    Board board_;
};

TEST_F(PieceTest, GrowsInCentredOverOneSecond) {
    auto piece = board_.CreatePiece(Blue);
    piece->StartGrowing();

    piece->Draw(*display_, 100, 100);  // size 0: nothing shows
    EXPECT_EQ(Drawn().size, 0);
    EXPECT_TRUE(piece->growing);

    clock_.Advance(500);
    piece->Draw(*display_, 100, 100);
    Square square = Drawn();
    EXPECT_EQ(square.left, 110);
    EXPECT_EQ(square.top, 110);
    EXPECT_EQ(square.size, 20);
    EXPECT_EQ(square.colour, kStandardColour);
    EXPECT_TRUE(piece->growing);

    clock_.Advance(499);
    ClearScreen();
    piece->Draw(*display_, 100, 100);
    EXPECT_EQ(Drawn().size, 39);
    EXPECT_TRUE(piece->growing);

    clock_.Advance(1);
    piece->Animate();  // only a draw ends the growing
    EXPECT_TRUE(piece->growing);
    ClearScreen();
    piece->Draw(*display_, 100, 100);
    square = Drawn();
    EXPECT_EQ(square.left, 100);
    EXPECT_EQ(square.top, 100);
    EXPECT_EQ(square.size, 40);
    EXPECT_FALSE(piece->growing);
}

TEST_F(PieceTest, DrawsAndAnimatesTheCurrentMoodOnly) {
    auto piece = board_.CreatePiece(Blue);
    piece->mood = Emotion;
    piece->Draw(*display_, 100, 100);
    EXPECT_EQ(Drawn().colour, kEmotionColours[0]);

    clock_.Advance(201);
    piece->Animate();
    piece->Draw(*display_, 100, 100);
    EXPECT_EQ(Drawn().colour, kEmotionColours[1]);
    EXPECT_EQ(piece->MoodSprite(Scared)->Current(), 0);

    piece->mood = Scared;
    clock_.Advance(1000);
    piece->Animate();
    piece->Draw(*display_, 100, 100);
    EXPECT_EQ(Drawn().colour, kScaredColours[1]);
    EXPECT_EQ(piece->MoodSprite(Emotion)->Current(), 1);  // kept while hidden

    piece->mood = Standard;
    piece->Draw(*display_, 100, 100);
    EXPECT_EQ(Drawn().colour, kStandardColour);
}

TEST_F(PieceTest, AnUnknownMoodDrawsAndAnimatesNothing) {
    auto piece = board_.CreatePiece(Blue);
    piece->mood = static_cast<PieceMood>(4);
    clock_.Advance(300);
    piece->Animate();
    piece->Draw(*display_, 100, 100);
    EXPECT_EQ(Drawn().size, 0);
    for (int mood = Standard; mood <= Scared; ++mood) {
        EXPECT_EQ(piece->MoodSprite(mood)->Current(), 0);
    }
}

// Pieces of one colour share the frames but not the animation.
TEST_F(PieceTest, PiecesShareFramesButAnimateApart) {
    auto first = board_.CreatePiece(Blue);
    auto second = board_.CreatePiece(Blue);
    first->mood = second->mood = Emotion;
    clock_.Advance(201);
    first->Animate();
    EXPECT_EQ(first->MoodSprite(Emotion)->Current(), 1);
    EXPECT_EQ(second->MoodSprite(Emotion)->Current(), 0);

    first.reset();
    EXPECT_EQ(board_.PieceFrames(Blue, Emotion).Count(), 3);
    second->mood = Standard;
    second->Draw(*display_, 100, 100);
    EXPECT_EQ(Drawn().colour, kStandardColour);
}

}  // namespace
