#pragma once
#include <vector>

#include "board/Move.h"

// The moves a search found, in the order it tried them.
class MoveList {
  public:
    int Count() const { return static_cast<int>(moves_.size()); }
    bool Empty() const { return moves_.empty(); }
    const Move& operator[](int index) const { return moves_[index]; }
    void Add(const Move& move) { moves_.push_back(move); }
    void Reserve(int count) { moves_.reserve(count); }

    auto begin() const { return moves_.begin(); }
    auto end() const { return moves_.end(); }

  private:
    std::vector<Move> moves_;
};
