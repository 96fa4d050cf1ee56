// Moving the sub-window about the display: random directions, bouncing
// off the edges.
#ifndef QLC_BMP_MOTION_H
#define QLC_BMP_MOTION_H

#include <stdint.h>

#include <functional>

struct MotionRect {
  int x1, y1, x2, y2;  // ends inclusive
};

inline bool operator==(const MotionRect& a, const MotionRect& b) {
  return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2;
}

// The linear congruential generator: advances state, returns 0..0x7FFF.
int NextRandom(uint32_t* state);
// A direction step of -1, 0 or 1 (2 for the largest draw).
int RandomDirection(uint32_t* state);

// The rectangle moved by (dx, dy): one 32-bit word of pixels across, two
// lines down or up. True when it lies on a width x height display and
// differs from the current one.
bool MoveCandidate(const MotionRect& current, int dx, int dy, unsigned depth, uint32_t width,
                   uint32_t height, MotionRect* moved);
// Whether any direction the generator can draw moves the rectangle.
bool AnyMovePossible(const MotionRect& current, unsigned depth, uint32_t width, uint32_t height);

struct MotionPlan {
  MotionRect start;
  unsigned depth;
  uint32_t width, height;  // display size
  int moves;               // steps while count <= moves; negative: for ever
  uint32_t seed;
};

// Runs the motion: each accepted move is handed to place, then wait is
// called. Returns false when the rectangle could not move at all (it fills
// the display), which ends the motion early.
bool RunMotion(const MotionPlan& plan, const std::function<void(const MotionRect&)>& place,
               const std::function<void()>& wait);

#endif
