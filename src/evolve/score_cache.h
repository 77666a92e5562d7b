#ifndef GEPFIT_EVOLVE_SCORE_CACHE_H_
#define GEPFIT_EVOLVE_SCORE_CACHE_H_

#include <cstdint>
#include <vector>

namespace gepfit {

// The score of an open reading frame: what a fit_record holds apart from
// the individual's index.
struct orf_score {
  double rsquare = 0.0;
  double intercept = 0.0;
  double slope = 0.0;
};

// Scores of open reading frames seen in a pass, so that a phenotype met
// again costs a look-up. Within a pass a score depends on nothing else (the
// data, the symbol sets and the target's sum of squares are fixed), so a
// remembered score is the very score a new evaluation would give.
//
// Bounded: two tables of fixed size, allocated once. New frames go into the
// young table; when it fills up it becomes the old one and the previous old
// table is forgotten. A frame found in the old table moves to the young one.
// Each entry is either scored or waiting for the score of a job.
class score_cache {
 public:
  // Frames of up to max_length symbols; room for at least `capacity`
  // frames in the young table.
  score_cache(int max_length, int capacity);

  struct entry {
    std::uint64_t hash = 0;
    int length = 0;  // 0 for a free entry
    int job = -1;    // -1 once scored
    orf_score score;
  };

  // The entry of a frame, inserted as waiting for `job` when absent.
  // Returns null for a new frame when the young table cannot take another
  // one before make_room is called. Entries stay put until make_room.
  entry* find_or_add(const char* orf, int length, int job);

  // Makes room for `count` new frames (at most the capacity), forgetting
  // the old table when the young one lacks it. Waiting entries must have
  // been scored.
  void make_room(int count);

 private:
  struct table {
    std::vector<entry> entries;
    std::vector<char> keys;  // max_length symbols per entry
    int used = 0;
  };

  entry* find(table& t, const char* orf, int length, std::uint64_t hash);
  entry* add(table& t, const char* orf, int length, std::uint64_t hash);
  void clear(table& t);

  int max_length_;
  int capacity_;  // frames a table takes; at most half its entries
  table young_;
  table old_;
};

}  // namespace gepfit

#endif  // GEPFIT_EVOLVE_SCORE_CACHE_H_
