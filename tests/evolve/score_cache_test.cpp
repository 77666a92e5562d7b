#include "evolve/score_cache.h"

#include <gtest/gtest.h>

namespace gepfit {
namespace {

// Scores a waiting entry as the evaluator does after its parallel loop.
void score(score_cache::entry* e, double rsquare) {
  ASSERT_NE(e, nullptr);
  e->score = {rsquare, 0.0, 0.0};
  e->job = -1;
}

TEST(ScoreCacheTest, SharesAFrameWithinAGenerationAndRemembersItAfter) {
  score_cache cache(5, 8);
  cache.make_room(3);
  score_cache::entry* first = cache.find_or_add("+ab", 3, 0);
  EXPECT_EQ(first->job, 0);
  // The same frame waits for the same job; a longer one is another frame.
  EXPECT_EQ(cache.find_or_add("+ab", 3, 1), first);
  EXPECT_EQ(cache.find_or_add("+abaa", 5, 1)->job, 1);
  score(first, 0.5);
  score(cache.find_or_add("+abaa", 5, 2), 0.25);
  cache.make_room(3);
  EXPECT_EQ(cache.find_or_add("+ab", 3, 0)->job, -1);
  EXPECT_EQ(cache.find_or_add("+ab", 3, 0)->score.rsquare, 0.5);
}

// Two tables of two frames: a frame survives one exchange of the tables,
// and moves back to the young one when met again; a frame not met while
// two tables filled up is forgotten.
TEST(ScoreCacheTest, ForgetsFramesNotMetForTwoTables) {
  score_cache cache(2, 2);
  cache.make_room(2);
  score(cache.find_or_add("aa", 2, 0), 1.0);
  score(cache.find_or_add("bb", 2, 1), 2.0);
  EXPECT_EQ(cache.find_or_add("cc", 2, 2), nullptr);  // young table full
  cache.make_room(2);                                 // aa and bb become old
  EXPECT_EQ(cache.find_or_add("aa", 2, 0)->score.rsquare, 1.0);
  score(cache.find_or_add("cc", 2, 0), 3.0);
  cache.make_room(1);  // aa and cc become old; bb is forgotten
  EXPECT_EQ(cache.find_or_add("bb", 2, 7)->job, 7);
  EXPECT_EQ(cache.find_or_add("cc", 2, 0)->score.rsquare, 3.0);
}

}  // namespace
}  // namespace gepfit
