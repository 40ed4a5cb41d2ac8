#pragma once
#include <vector>

#include "board/Line.h"

// Every line found on the board, in the order of the scans. It holds as many
// lines as are present; a board without lines costs no allocation.
class LineList {
  public:
    int Count() const { return static_cast<int>(lines_.size()); }
    bool Empty() const { return lines_.empty(); }
    const Line& operator[](int index) const { return lines_[index]; }
    void Add(const Line& line) { lines_.push_back(line); }

    auto begin() const { return lines_.begin(); }
    auto end() const { return lines_.end(); }

  private:
    std::vector<Line> lines_;
};
