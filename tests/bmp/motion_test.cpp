// Sub-window motion: the generator, which moves are taken, and the stop
// when none is possible.
#include "bmp/motion.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(NextRandom, FollowsTheLinearCongruentialGenerator) {
  uint32_t state = 1;
  EXPECT_EQ(41, NextRandom(&state));  // (1 * 214013 + 2531011) >> 16
  EXPECT_EQ(18467, NextRandom(&state));
  EXPECT_EQ(6334, NextRandom(&state));
}

TEST(MoveCandidate, StepsOneWordAcrossAndTwoLinesAndStaysOnTheDisplay) {
  MotionRect start = {80, 60, 159, 119};
  MotionRect moved;
  ASSERT_TRUE(MoveCandidate(start, 1, -1, 8, 320, 240, &moved));
  EXPECT_EQ((MotionRect{84, 58, 163, 117}), moved);
  ASSERT_TRUE(MoveCandidate(start, -1, 0, 1, 320, 240, &moved));
  EXPECT_EQ((MotionRect{48, 60, 127, 119}), moved);
  EXPECT_FALSE(MoveCandidate(start, 0, 0, 8, 320, 240, &moved)) << "no change";
  EXPECT_FALSE(MoveCandidate({0, 0, 79, 79}, -1, 0, 8, 320, 240, &moved)) << "left edge";
  EXPECT_FALSE(MoveCandidate({0, 0, 319, 79}, 1, 0, 8, 320, 240, &moved)) << "right edge";
}

TEST(RunMotion, MakesMovesPlusOneMovesWithinTheDisplay) {
  MotionPlan plan{{80, 60, 159, 119}, 8, 320, 240, 5, 12345};
  std::vector<MotionRect> placed;
  int waits = 0;
  ASSERT_TRUE(RunMotion(
      plan, [&](const MotionRect& r) { placed.push_back(r); }, [&] { ++waits; }));
  EXPECT_EQ(6u, placed.size());
  EXPECT_EQ(6, waits);
  for (const MotionRect& r : placed) {
    EXPECT_GE(r.x1, 0);
    EXPECT_LT(r.x2, 320);
    EXPECT_GE(r.y1, 0);
    EXPECT_LT(r.y2, 240);
    EXPECT_EQ(79, r.x2 - r.x1);
    EXPECT_EQ(59, r.y2 - r.y1);
  }
}

TEST(RunMotion, StopsWhenTheSubWindowFillsTheDisplay) {
  MotionPlan plan{{0, 0, 319, 239}, 8, 320, 240, -1, 1};
  int placed = 0;
  EXPECT_FALSE(RunMotion(
      plan, [&](const MotionRect&) { ++placed; }, [] {}));
  EXPECT_EQ(0, placed);
  EXPECT_FALSE(AnyMovePossible({0, 0, 319, 239}, 16, 320, 240));
  EXPECT_TRUE(AnyMovePossible({0, 0, 319, 237}, 16, 320, 240)) << "room for two lines";
}

}  // namespace
