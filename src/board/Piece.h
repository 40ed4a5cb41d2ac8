#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>

#include "engine/MotionTimer.h"
#include "engine/Sprite.h"

class Display;

enum PieceColour : int32_t { Blue = 1, Green = 2, Red = 3, Yellow = 4, Purple = 5, White = 6 };
enum PieceMood : int32_t { Standard = 1, Emotion = 2, Scared = 3 };

// The one way from a number (a saved game's cell, a board laid out by hand)
// to a colour: nothing for a number outside 1 to 6.
constexpr std::optional<PieceColour> ColourFromCode(int32_t code) {
    if (code < Blue || code > White)
        return std::nullopt;
    return static_cast<PieceColour>(code);
}

// One Vlim on the board. It owns its three mood sprites (never their frames,
// which belong to the board's frame sets) and grows in from nothing when a
// caller sets `growing` and starts `growthTimer` at 40 pixels per second.
// The base class draws and animates nothing; the colour classes below do.
class Piece {
  public:
    static constexpr int kSize = 40;
    static constexpr float kGrowthRate = 40.0f;

    Piece(PieceColour colour, std::unique_ptr<Sprite> standard, std::unique_ptr<Sprite> emotion,
          std::unique_ptr<Sprite> scared);
    virtual ~Piece();
    Piece(const Piece&) = delete;
    Piece& operator=(const Piece&) = delete;

    // Draws the current mood's frame with the cell's top-left corner at (x, y),
    // shrunk and centred while growing in.
    virtual void Draw(Display& display, int32_t x, int32_t y);
    // Advances the current mood's animation only.
    virtual void Animate();

    PieceColour Colour() const { return colour_; }
    // Standard mood, growing from size 0 starting now.
    void StartGrowing();
    // The sprite of a mood, or nullptr for a value outside 1 to 3.
    const Sprite* MoodSprite(int32_t mood) const;
    // Milliseconds from `now` in which it looks the same unless given another
    // mood: 0 while growing, else until its mood's next frame.
    uint32_t QuietFor(uint32_t now) const;

    PieceMood mood = Standard;
    bool growing = false;
    MotionTimer growthTimer;

  protected:
    void DrawCurrentMood(Display& display, int32_t x, int32_t y);
    void AnimateCurrentMood();

  private:
    Sprite* CurrentSprite();

    PieceColour colour_;
    std::array<std::unique_ptr<Sprite>, 3> sprites_;
};

// The six colours draw and animate their current mood alike; each keeps a
// type of its own so that a colour can be told apart without asking.
template <PieceColour kColour>
class ColouredPiece final : public Piece {
  public:
    ColouredPiece(std::unique_ptr<Sprite> standard, std::unique_ptr<Sprite> emotion,
                  std::unique_ptr<Sprite> scared)
        : Piece(kColour, std::move(standard), std::move(emotion), std::move(scared)) {}
    void Draw(Display& display, int32_t x, int32_t y) override { DrawCurrentMood(display, x, y); }
    void Animate() override { AnimateCurrentMood(); }
};

using BluePiece = ColouredPiece<Blue>;
using GreenPiece = ColouredPiece<Green>;
using RedPiece = ColouredPiece<Red>;
using YellowPiece = ColouredPiece<Yellow>;
using PurplePiece = ColouredPiece<Purple>;
using WhitePiece = ColouredPiece<White>;
