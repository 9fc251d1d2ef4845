#pragma once
// Trigonometry in degrees.
#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>

inline double sin_deg(double a) { return std::sin(a * std::numbers::pi / 180.0); }
inline double cos_deg(double a) { return std::cos(a * std::numbers::pi / 180.0); }
inline double atan2_deg(double y, double x) { return std::atan2(y, x) * 180.0 / std::numbers::pi; }

struct t_cos_sin {
    double cos = 1;
    double sin = 0;
};

// cos_deg and sin_deg of the last angle asked for, kept: a ball on a straight
// course asks for the same angle sub-step after sub-step (and the prediction
// flies it 960 sub-steps at a go). Bitwise, so -0 and 0 stay apart.
class t_trig_memo {
public:
    t_cos_sin operator()(double a) {
        const uint64_t bits = std::bit_cast<uint64_t>(a);
        if (!known_ || bits != bits_) {
            known_ = true;
            bits_ = bits;
            last_ = {cos_deg(a), sin_deg(a)};
        }
        return last_;
    }

private:
    bool known_ = false;
    uint64_t bits_ = 0;
    t_cos_sin last_;
};
