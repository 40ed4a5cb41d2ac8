#pragma once
#include <cstdint>
#include <optional>

// The two variants and three difficulties a game is played in. Their numbers
// are what the saved game stores and the order of the high-score tables.
enum GameVariant : int32_t { NormalVariant = 0, RotationalVariant = 1 };
enum Difficulty : int32_t { Easy = 1, NormalDifficulty = 2, Hard = 3 };

inline constexpr GameVariant kAllVariants[] = {NormalVariant, RotationalVariant};
inline constexpr Difficulty kAllDifficulties[] = {Easy, NormalDifficulty, Hard};

// The one way from a number read from a file to a variant: nothing for a
// code the game never writes.
constexpr std::optional<GameVariant> VariantFromCode(int32_t code) {
    if (code != NormalVariant && code != RotationalVariant)
        return std::nullopt;
    return static_cast<GameVariant>(code);
}

// The one way from a number read from a file to a difficulty. Any other
// number would deal nothing but one colour: lines without end.
constexpr std::optional<Difficulty> DifficultyFromCode(int32_t code) {
    if (code < Easy || code > Hard)
        return std::nullopt;
    return static_cast<Difficulty>(code);
}

// Easy, Normal, Hard, then Easy again: the difficulty picture's steps.
constexpr Difficulty NextDifficulty(Difficulty difficulty) {
    return difficulty == Hard ? Easy : static_cast<Difficulty>(difficulty + 1);
}
