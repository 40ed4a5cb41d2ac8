#pragma once
#include <cstdint>

// A tiny seeded generator so that every build paints and sounds the same.
class Random {
  public:
    explicit Random(uint32_t seed) : state_(seed ? seed : 0x9e3779b9u) {}
    uint32_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    // Uniform in [0, 1).
    double Unit() { return (Next() >> 8) / double(1u << 24); }
    double Between(double low, double high) { return low + (high - low) * Unit(); }

  private:
    uint32_t state_;
};
