#include "evolve/score_cache.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstring>
#include <utility>

namespace gepfit {
namespace {

// FNV-1a over the symbols, then the length.
std::uint64_t hash_frame(const char* orf, int length) {
  std::uint64_t h = 14695981039346656037ull;
  for (int i = 0; i < length; ++i) {
    h = (h ^ static_cast<unsigned char>(orf[i])) * 1099511628211ull;
  }
  return (h ^ static_cast<std::uint64_t>(length)) * 1099511628211ull;
}

}  // namespace

score_cache::score_cache(int max_length, int capacity)
    : max_length_(max_length), capacity_(std::max(capacity, 1)) {
  // At most half full, so that a probe soon meets a free entry.
  const std::size_t size =
      std::bit_ceil(2 * static_cast<std::size_t>(capacity_));
  for (table* t : {&young_, &old_}) {
    t->entries.resize(size);
    t->keys.resize(size * static_cast<std::size_t>(max_length_));
  }
}

score_cache::entry* score_cache::find(table& t,
                                      const char* orf,
                                      int length,
                                      std::uint64_t hash) {
  const std::size_t mask = t.entries.size() - 1;
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    entry& e = t.entries[i];
    if (e.length == 0) return nullptr;
    if (e.hash == hash && e.length == length &&
        std::memcmp(&t.keys[i * max_length_], orf, length) == 0) {
      return &e;
    }
  }
}

score_cache::entry* score_cache::add(table& t,
                                     const char* orf,
                                     int length,
                                     std::uint64_t hash) {
  assert(t.used < capacity_);
  const std::size_t mask = t.entries.size() - 1;
  std::size_t i = hash & mask;
  while (t.entries[i].length != 0) i = (i + 1) & mask;
  std::memcpy(&t.keys[i * max_length_], orf, length);
  ++t.used;
  entry& e = t.entries[i];
  e.hash = hash;
  e.length = length;
  return &e;
}

score_cache::entry* score_cache::find_or_add(const char* orf,
                                             int length,
                                             int job) {
  assert(length >= 1 && length <= max_length_);
  const std::uint64_t hash = hash_frame(orf, length);
  if (entry* e = find(young_, orf, length, hash)) return e;
  entry* remembered = find(old_, orf, length, hash);
  if (young_.used == capacity_) return remembered;
  entry* e = add(young_, orf, length, hash);
  if (remembered != nullptr) {
    e->job = -1;
    e->score = remembered->score;
  } else {
    e->job = job;
  }
  return e;
}

void score_cache::make_room(int count) {
  if (young_.used + std::min(count, capacity_) <= capacity_) return;
  std::swap(young_, old_);
  clear(young_);
}

void score_cache::clear(table& t) {
  for (entry& e : t.entries) e.length = 0;
  t.used = 0;
}

}  // namespace gepfit
