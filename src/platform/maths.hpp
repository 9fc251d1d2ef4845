#pragma once
// Trigonometry in degrees.
#include <cmath>
#include <numbers>

inline double sin_deg(double a) { return std::sin(a * std::numbers::pi / 180.0); }
inline double cos_deg(double a) { return std::cos(a * std::numbers::pi / 180.0); }
inline double atan2_deg(double y, double x) { return std::atan2(y, x) * 180.0 / std::numbers::pi; }
