#include "match/enhanced/enhanced_curl.hpp"

#include <algorithm>
#include <cmath>

#include "match/ball/ball.hpp"
#include "match/enhanced/enhanced_tuning.hpp"
#include "platform/maths.hpp"

double curl_turn(double s, double v) { return CURL_TURN * s / std::max(std::fabs(v), CURL_SLOWEST); }

void move_curling(t_ball& b, double step) {
    if (b.s != 0) {
        b.a = std::fmod(b.a + curl_turn(b.s, b.v), 360.0);
        // On the grass the spin wears off, so a rolling ball does not spiral.
        if (b.z < 1) b.s *= CURL_GRASS_GRIP;
    }
    const t_cos_sin course = b.course_trig(b.a);
    b.x += step * course.cos;
    b.y += step * course.sin;
}
