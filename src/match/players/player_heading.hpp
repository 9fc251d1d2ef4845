#pragma once
// Directions of a run towards a whole-unit offset, with what the movement step
// needs of them, worked out once: players run to offsets rounded to whole
// units, so the same angles come back sub-step after sub-step.

#include <cmath>

// round_half_away for the movement loop, where the call cost more than the rounding.
inline double whole_units(double x) {
    const double t = std::trunc(std::fabs(x) + 0.5);
    return x < 0 ? -t : t;
}

struct t_heading {
    double a = 0;   // fmod(atan2(dy, dx) + 360, 360), degrees
    double cos = 1; // cos_deg(a)
    double sin = 0; // sin_deg(a)
    double fmx = 0; // the picture column facing a
};

// The direction of (dx, dy) computed in full.
t_heading heading_of(double dx, double dy);
// The same, from the table for offsets of up to HEADING_REACH units; whole
// numbers only.
t_heading heading_to(double dx, double dy);

constexpr int HEADING_REACH = 128;
