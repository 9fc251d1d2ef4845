#include "platform/random.hpp"

namespace {
constexpr int32_t INITIAL_STATE = 0x1234;
int32_t state = INITIAL_STATE;

int32_t park_miller_step(int32_t s) {
    // Schrage's method keeps 48271 * s inside 32 bits.
    s = 48271 * (s % 44488) - 3399 * (s / 44488);
    if (s < 0) s += 0x7FFFFFFF;
    return s;
}
} // namespace

void seed_rnd(int64_t seed) {
    state = static_cast<int32_t>(seed & 0x7FFFFFFF);
    if (state == 0 || state == 0x7FFFFFFF) state = INITIAL_STATE;
}

int32_t rnd_state() { return state; }

double rnd() {
    const int32_t s1 = park_miller_step(state);
    const int32_t s2 = park_miller_step(s1);
    state = s2;
    return ((s1 & 0x1FFFFFFC) + (s2 & 0x1FFFFFF8) / 134217728.0) / 536870912.0;
}

double rnd_range(double a, double b) { return a + rnd() * (b - a); }

int rand(int a, int b) {
    const int d = b - a;
    if (d > 0) return a + static_cast<int>(rnd() * (d + 1));
    return b + static_cast<int>(rnd() * (1 - d));
}
