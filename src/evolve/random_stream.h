#ifndef GEPFIT_EVOLVE_RANDOM_STREAM_H_
#define GEPFIT_EVOLVE_RANDOM_STREAM_H_

#include <cstdint>

namespace gepfit {

// The run's one stream of random decisions, used on the main thread only.
// A 32-bit linear congruential generator; the order in which callers draw
// from it is part of the program's behaviour.
class random_stream {
 public:
  // The default seed 8888 starts from state 1; other seeds shift the start.
  static constexpr int k_default_seed = 8888;

  explicit random_stream(int seed = k_default_seed)
      : state_(static_cast<std::uint32_t>(seed) - 8887u) {}

  // A value from 0 to 32767.
  int rand15() {
    state_ = state_ * 214013u + 2531011u;
    ++draws_;
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
  }

  // u in [0, 1): rand15() / 32768, exact in double.
  double unit_draw() { return rand15() / 32768.0; }

  // The integer part of u * n for one draw u: an index below n.
  int index_below(int n) { return static_cast<int>(unit_draw() * n); }

  std::uint32_t state() const { return state_; }
  // Draws taken so far; lets tests pin the order and number of draws.
  std::uint64_t draws() const { return draws_; }

 private:
  std::uint32_t state_;
  std::uint64_t draws_ = 0;
};

}  // namespace gepfit

#endif  // GEPFIT_EVOLVE_RANDOM_STREAM_H_
