// SPDX-License-Identifier: GPL-3.0-or-later
#include "Random.h"

#include <array>

namespace {

std::mt19937_64 EngineFromEntropy() {
  std::random_device device;
  std::array<std::uint32_t, 8> words{};
  for (auto& word : words) word = device();
  std::seed_seq seq(words.begin(), words.end());
  return std::mt19937_64(seq);
}

}  // namespace

RandomSource::RandomSource() : engine_(EngineFromEntropy()) {}

RandomSource::RandomSource(std::uint64_t seed) : engine_(seed) {}

int RandomSource::Below(int n) {
  std::uniform_int_distribution<int> pick(0, n - 1);
  return pick(engine_);
}

int BlurSource::Below(int n) {
  // splitmix64; the tiny bias of the multiply-shift is invisible in a blur.
  state_ += 0x9E3779B97F4A7C15ULL;
  std::uint64_t z = state_;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  z ^= z >> 31;
  return static_cast<int>(((z >> 32) * static_cast<std::uint64_t>(n)) >> 32);
}
