#include "match/draw/camera.hpp"

#include <algorithm>
#include <cmath>

#include "core/globals.hpp"
#include "match/ball/ball.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "platform/maths.hpp"

namespace {
int previous_frame() { return (replay_frame - 1 + REPLAY_FRAMES) % REPLAY_FRAMES; }

// Pull towards the aim point S (relative to the screen centre), stronger the farther it is.
double pull(double s, int speed) { return sign(s) * std::sqrt(std::fabs(s)) * CAMERA_PULL * (speed + 1); }

// One axis of the camera: position, speed, look-ahead, with the ball's coordinate and velocity component.
void follow(double& pos, double& vel, int& off, double ball_pos, double ball_dir_component, int screen, int origin,
            int speed) {
    if (ball.v > 0) off = static_cast<int>(ball_dir_component * screen / CAMERA_LOOK_AHEAD_DIVISOR);
    const double bv = ball.v * ball_dir_component;
    if (std::fabs(bv) < std::fabs(vel))
        vel *= CAMERA_DRAG;
    else
        vel += std::fabs(vel - bv) * CAMERA_CATCH_UP * sign(off);
    pos += vel / SUB_STEPS_PER_SECOND;
    const double s = ball_pos + off - (pos - origin + screen / 2);
    if (std::fabs(s) >= CAMERA_DEAD_ZONE) pos += pull(s, speed);
}
} // namespace

double t_camera::updatex(int mode, int speed, double target, int limit) {
    if (mode == CAMERA_REPLAY) return replay_camera_x[static_cast<size_t>(previous_frame())];
    if (mode == CAMERA_FOLLOW_BALL)
        follow(x, vx, offx, ball.x, cos_deg(ball.a), screen_w, PITCH_ORIGIN_X, speed);
    else if (mode == CAMERA_TO_TARGET)
        x += pull(target - (x - PITCH_ORIGIN_X + screen_w / 2), speed);
    if (limit != 0 && screen_w < CAMERA_LIMIT_NARROWER_THAN) {
        const int margin = screen_w / 8;
        x = std::clamp(x, static_cast<double>(336 - margin), static_cast<double>(margin - screen_w + 1356));
    } else if (screen_w > CAMERA_PICTURE_W) {
        x = 0.5 * (CAMERA_PICTURE_W - screen_w); // wider than the stadium: centred, the stands drawn on
    } else {
        x = std::clamp(x, 0.0, static_cast<double>(CAMERA_PICTURE_W - screen_w));
    }
    return x;
}

double t_camera::updatey(int mode, int speed, double target) {
    if (mode == CAMERA_REPLAY) return replay_camera_y[static_cast<size_t>(previous_frame())];
    if (mode == CAMERA_FOLLOW_BALL)
        follow(y, vy, offy, ball.y, sin_deg(ball.a), screen_h, PITCH_ORIGIN_Y, speed);
    else if (mode == CAMERA_TO_TARGET)
        y += pull(target - (y - PITCH_ORIGIN_Y + screen_h / 2), speed);
    y = std::clamp(y, 0.0, static_cast<double>(std::max(0, CAMERA_PICTURE_H - screen_h)));
    return y;
}
