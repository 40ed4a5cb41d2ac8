#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "board/BoardFixture.h"

using namespace board_test;

namespace {

constexpr uint32_t kGround = 0x102030;
constexpr uint32_t kStandardColour = 0x3050C0;
constexpr uint32_t kEmotionColours[] = {0x10A010, 0x20B020, 0x30C030};
constexpr uint32_t kScaredColours[] = {0xC01010, 0xD02020};

// Blue pieces with one Standard, three Emotion and two Scared frames, each
// frame a plain colour, drawn at (100, 100).
class PieceTest : public BoardFixture {
  protected:
    void SetUp() override {
        BoardFixture::SetUp();
        Load(Standard, "Standard", {kStandardColour});
        Load(Emotion, "Emotion", {kEmotionColours[0], kEmotionColours[1], kEmotionColours[2]});
        Load(Scared, "Scared", {kScaredColours[0], kScaredColours[1]});
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

    // The square a fresh draw covers: its left, top, size (0 for nothing
    // drawn) and colour.
    struct Square {
        int left = 0, top = 0, size = 0;
        uint32_t colour = kGround;
    };
    Square Draw(Piece& piece) {
        display_->FillRect(0, 0, 625, 440, kGround);
        piece.Draw(*display_, 100, 100);
        Square square;
        for (int y = 100; y < 140; ++y) {
            for (int x = 100; x < 140; ++x) {
                if (display_->PixelAt(x, y) == kGround)
                    continue;
                if (square.size == 0)
                    square = {x, y, 0, display_->PixelAt(x, y)};
                square.size = x - square.left + 1;
            }
        }
        return square;
    }
};

TEST_F(PieceTest, GrowsInCentredOverOneSecondAndOnlyADrawEndsIt) {
    auto piece = board_.CreatePiece(Blue);
    piece->StartGrowing();
    EXPECT_EQ(Draw(*piece).size, 0);
    clock_.Advance(500);
    const Square half = Draw(*piece);
    EXPECT_EQ((std::array{half.left, half.top, half.size}), (std::array{110, 110, 20}));
    EXPECT_EQ(half.colour, kStandardColour);
    clock_.Advance(500);
    piece->Animate();
    EXPECT_TRUE(piece->growing);
    const Square whole = Draw(*piece);
    EXPECT_EQ((std::array{whole.left, whole.top, whole.size}), (std::array{100, 100, 40}));
    EXPECT_FALSE(piece->growing);
}

// Only the current mood animates; the others keep their place while hidden.
// Pieces share their colour's frames but not their animation.
TEST_F(PieceTest, EachPieceAnimatesItsCurrentMoodOnly) {
    auto piece = board_.CreatePiece(Blue);
    auto other = board_.CreatePiece(Blue);
    piece->mood = other->mood = Emotion;
    EXPECT_EQ(Draw(*piece).colour, kEmotionColours[0]);
    clock_.Advance(201);
    piece->Animate();
    EXPECT_EQ(Draw(*piece).colour, kEmotionColours[1]);
    EXPECT_EQ(Draw(*other).colour, kEmotionColours[0]);

    piece->mood = Scared;
    clock_.Advance(1000);
    piece->Animate();
    EXPECT_EQ(Draw(*piece).colour, kScaredColours[1]);
    piece->mood = Emotion;
    EXPECT_EQ(Draw(*piece).colour, kEmotionColours[1]);

    piece.reset();  // the frames stay with the board
    EXPECT_EQ(board_.PieceFrames(Blue, Emotion).Count(), 3);
    EXPECT_EQ(Draw(*other).colour, kEmotionColours[0]);
}

}  // namespace
