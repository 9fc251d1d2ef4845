// The coach's gestures while his bench is open.
#include "match/core/match_state.hpp"
#include "platform/timer.hpp"

namespace {
constexpr int SEATED = 0;
constexpr int STANDING = 1;
constexpr int POINTING = 2;
constexpr int WAVING = 3;
constexpr int WAVING_BOTH = 4;
constexpr long GESTURE_FRAME_MS = 200;
} // namespace

void t_coach::update() {
    if (timer > 0) {
        --timer;
        // Only a gesture ends in standing: a coach who sat down meanwhile stays seated.
        if (timer == 0 && status >= POINTING) status = STANDING;
    }
    const int beat = static_cast<int>((millisecs() / GESTURE_FRAME_MS) % 2);
    switch (status) {
    case POINTING: fmx = 3; break;
    case WAVING: fmx = 1 + beat; break;
    case WAVING_BOTH: fmx = 4 + beat; break;
    case SEATED:
    case STANDING:
    default: fmx = 0; break;
    }
    fmy = 0;
}
