#include "bmp/motion.h"

int NextRandom(uint32_t* state) {
  *state = *state * 214013u + 2531011u;
  return static_cast<int>((*state >> 16) & 0x7FFF);
}

int RandomDirection(uint32_t* state) {
  return NextRandom(state) * 3 / 32767 - 1;
}

bool MoveCandidate(const MotionRect& current, int dx, int dy, unsigned depth, uint32_t width,
                   uint32_t height, MotionRect* moved) {
  int across = dx * 32 / static_cast<int>(depth);
  MotionRect next = {current.x1 + across, current.y1 + 2 * dy, current.x2 + across,
                     current.y2 + 2 * dy};
  // Compared unsigned, so a negative edge counts as outside.
  if (static_cast<uint32_t>(next.x1) >= width || static_cast<uint32_t>(next.x2) >= width ||
      static_cast<uint32_t>(next.y1) >= height || static_cast<uint32_t>(next.y2) >= height ||
      next == current)
    return false;
  *moved = next;
  return true;
}

bool AnyMovePossible(const MotionRect& current, unsigned depth, uint32_t width, uint32_t height) {
  MotionRect ignored;
  for (int dx = -1; dx <= 2; ++dx)
    for (int dy = -1; dy <= 2; ++dy)
      if (MoveCandidate(current, dx, dy, depth, width, height, &ignored)) return true;
  return false;
}

bool RunMotion(const MotionPlan& plan, const std::function<void(const MotionRect&)>& place,
               const std::function<void()>& wait) {
  if (!AnyMovePossible(plan.start, plan.depth, plan.width, plan.height)) return false;
  uint32_t state = plan.seed;
  int dx = RandomDirection(&state);
  int dy = RandomDirection(&state);
  MotionRect current = plan.start;
  for (long steps = 0; plan.moves < 0 || steps <= plan.moves;) {
    MotionRect moved;
    if (MoveCandidate(current, dx, dy, plan.depth, plan.width, plan.height, &moved)) {
      current = moved;
      place(current);
      wait();
      ++steps;
    } else {
      dx = RandomDirection(&state);
      dy = RandomDirection(&state);
    }
  }
  return true;
}
