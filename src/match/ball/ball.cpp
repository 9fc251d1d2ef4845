#include "match/ball/ball.hpp"

#include <algorithm>
#include <cmath>

#include "core/globals.hpp"
#include "core/settings.hpp"
#include "football/ball_zone.hpp"
#include "football/player.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_rules.hpp"
#include "match/sound/match_sound.hpp"
#include "match/core/match_state.hpp"
#include "platform/maths.hpp"

namespace {
// Slower than this off the crossbar, a ball would settle on it and every later bounce put it back there.
constexpr double CROSSBAR_STALL_SPEED = 10;
// How far beyond the bar's reach such a ball is let drop, on the side it lay.
constexpr double CROSSBAR_DROP_CLEARANCE = 0.5;

bool inside(double px, double py, double cx, double cy, double r) { return distance(px, py, cx, cy) < r; }

// Whether (px, py) came within r of (cx, cy) in this sub-step, having been outside it at (qx, qy).
bool came_within(double px, double py, double qx, double qy, double cx, double cy, double r) {
    return inside(px, py, cx, cy, r) && !inside(qx, qy, cx, cy, r);
}
} // namespace

t_ball::t_ball() : data(REPLAY_FRAMES) {}

void t_ball::set_position(double px, double py, double pz) {
    x = px;
    y = py;
    z = pz;
    v = 0;
    vz = 0;
    s = 0;
}

void t_ball::update() {
    x0 = x;
    y0 = y;
    z0 = z;
    side = t_vec2d{sign(x), sign(y)};
    update_physics();
    f = std::fmod(f + 4 + v / ROLL_PHASE_DIVISOR, 4);
}

void t_ball::update_physics() {
    // A ball at rest and a calm day need no trigonometry (the prediction runs
    // this 960 times at a go).
    if (v != 0) match_rules().move_ball(*this, v / BALL_SUB_STEPS_PER_SECOND);
    if (z < 1) v -= grass.friction * std::sqrt(std::fabs(v / BALL_SUB_STEPS_PER_SECOND));
    if (wind.speed != 0) {
        const double push = WIND_PUSH * std::log10(1 + z) * wind.speed;
        const t_cos_sin w = wind_trig(45.0 * wind.dir);
        x += push * w.cos;
        y += push * w.sin;
    }
    if (v < 0) {
        v = 0;
        s = 0;
    }
    z += vz / BALL_SUB_STEPS_PER_SECOND;
    if (z > 0) vz -= GRAVITY_PER_SUB_STEP;
    if (z < 0 && vz < 0) {
        z = 0;
        if (vz > DEAD_BOUNCE_VZ) {
            vz = 0;
        } else {
            v += BOUNCE_ROLL_LOSS * vz;
            vz = -0.01 * grass.bounce * vz;
            if (!silent_) play_grass_bounce(vz);
        }
    }
}

void t_ball::move_skewed(double step) {
    const t_cos_sin course = course_trig(a);
    const double c = course.cos;
    const double sn = course.sin;
    x += step * (c - SPIN_BEND * s * sn);
    y += step * (sn + SPIN_BEND * s * c);
}

void t_ball::update_prediction() {
    const double sx = x, sy = y, sz = z, sv = v, svz = vz, sa = a, ss = s;
    silent_ = true;
    for (t_vec3d& p : prediction) {
        p = t_vec3d{static_cast<int>(round_half_away(x)), static_cast<int>(round_half_away(y)),
                    static_cast<int>(round_half_away(z))};
        // Once it lies still it stays where it is (the wind does not move a
        // ball on the grass).
        if (v == 0 && vz == 0 && z == 0) continue;
        for (int k = 0; k < PREDICTION_SUB_STEPS; ++k) update_physics();
    }
    silent_ = false;
    x = sx;
    y = sy;
    z = sz;
    v = sv;
    vz = svz;
    a = sa;
    s = ss;
}

void t_ball::in_field_keep() {
    if (x <= WALL_LEFT_X || x >= WALL_RIGHT_X) {
        x = std::clamp(x, WALL_LEFT_X, WALL_RIGHT_X);
        v *= 0.5;
        a = std::fmod(180 - a, 360);
        s = -s;
    }
    if (y <= WALL_TOP_Y || y >= WALL_BOTTOM_Y) {
        y = std::clamp(y, WALL_TOP_Y, WALL_BOTTOM_Y);
        v *= 0.5;
        a = std::fmod(-a, 360);
        s = -s;
    }
}

int t_ball::collision_goal() {
    const int end = side.y;
    if (end == 0) return 0;
    const double m = atan2_deg(y - y0, x - x0);
    const double line = end * CROSSBAR_LINE_Y;
    const double post_line = end * POST_LINE_Y;
    const auto hit = [] {
        play_frame_hit();
        return 1;
    };
    // Top of a post: the ball meets the end of the bar from in front of the line.
    if (y * end < CROSSBAR_LINE_Y && came_within(y, z, y0, z0, line, CROSSBAR_Z, POST_TOP_REACH) &&
        (inside(x, y, -POST_X, post_line, POST_TOP_REACH) || inside(x, y, POST_X, post_line, POST_TOP_REACH))) {
        v *= 0.5;
        a = std::fmod(360 - m, 360);
        s = 0;
        x = x0;
        y = y0;
        return hit();
    }
    if (came_within(y, z, y0, z0, line, CROSSBAR_Z, CROSSBAR_REACH) && x > -CROSSBAR_HALF_WIDTH &&
        x < CROSSBAR_HALF_WIDTH) {
        const double vx = v * cos_deg(m);
        const double vy = v * sin_deg(m);
        const double b = atan2_deg(z - CROSSBAR_Z, y - line);
        const double w = std::sqrt(vy * vy + vz * vz);
        const double g = atan2_deg(vz, vy);
        const double d = 2 * b - g + 180;
        const double vy2 = 0.5 * w * cos_deg(d);
        vz = 0.5 * w * sin_deg(d);
        v = std::sqrt(vx * vx + vy2 * vy2);
        a = atan2_deg(vy2, vx);
        s = 0;
        y = y0;
        z = z0;
        // Resting on the bar the ball stayed there for good, out of every player's reach, and the period could
        // not end with the ball in front of goal: it rolls off instead.
        if (std::hypot(vy2, vz) < CROSSBAR_STALL_SPEED) {
            const double off_side = y0 * end < CROSSBAR_LINE_Y ? -end : end;
            y = line + off_side * (CROSSBAR_REACH + CROSSBAR_DROP_CLEARANCE);
        }
        return hit();
    }
    const double px = sign(x) * POST_X;
    if (came_within(x, y, x0, y0, px, post_line, POST_REACH) && z <= POST_HEIGHT) {
        const double b = atan2_deg(y - post_line, x - px);
        v *= 0.5;
        a = std::fmod(2 * b - m + 180, 360);
        s = 0;
        x = x0;
        y = y0;
        return hit();
    }
    return 0;
}

void t_ball::update_zone() {
    zone_x = zone_column(x);
    zone_y = zone_row(y);
    mx = zone_offset(x, ZONE_WIDTH);
    my = zone_offset(y, ZONE_HEIGHT);
    if (v > 0) {
        zone_x_next = next_zone_column(zone_x, a);
        zone_y_next = next_zone_row(zone_y, a);
    }
}

void t_ball::reflect_off(double cx, double cy) {
    const double b = atan2_deg(y - cy, x - cx);
    const double m = atan2_deg(y - y0, x - x0);
    v *= 0.3;
    a = std::fmod(2 * b - m + 180, 360);
    s = 0;
    x = x0;
    y = y0;
}

void t_ball::collision_flagposts() {
    if (sign(x) == 0) return;
    const double fx = sign(x) * TOUCHLINE_X;
    const double fy = sign(y) * GOAL_LINE_Y;
    if (inside(x, y, fx, fy, FLAG_RADIUS) && z <= FLAG_HEIGHT) {
        reflect_off(fx, fy);
        play_flag_hit();
    }
}

void t_ball::collision_jumpers() {
    if (sign(x) == 0) return;
    const double jx = sign(x) * JUMPER_X;
    const double jy = sign(y) * JUMPER_Y;
    if (inside(x, y, jx, jy, JUMPER_RADIUS) && z <= JUMPER_HEIGHT) {
        reflect_off(jx, jy);
        play_flag_hit();
    }
}

void t_ball::collision_net() {
    const int end = side.y;
    if (end == 0 || y * end <= CROSSBAR_LINE_Y) return;
    const double line = end * CROSSBAR_LINE_Y;
    const double depth_now = std::hypot(NET_DEPTH_SCALE * (y - line), z);
    const double depth_before = std::hypot(NET_DEPTH_SCALE * (y0 - line), z0);
    if (depth_now >= NET_RADIUS && depth_before < NET_RADIUS) {
        v /= 10;
        vz = 0;
        a = atan2_deg(-sin_deg(a) / 4, cos_deg(a));
        s = 0;
    }
    const int sx = sign(x);
    if (x * sx >= POST_X && x0 * sx < POST_X) {
        v /= 10;
        vz = 0;
        a = atan2_deg(sin_deg(a), -cos_deg(a) / 4);
        s = 0;
    }
}

void t_ball::collision_net_out() {
    const int end = side.y;
    if (end == 0) return;
    const double line = end * CROSSBAR_LINE_Y;
    if (inside(y0, z0, line, 0, NET_RADIUS) && x > -POST_X && x < POST_X) {
        const double vx = v * cos_deg(a);
        const double vy = v * sin_deg(a);
        const double w = std::sqrt(vy * vy + vz * vz);
        const double b = atan2_deg(z, y - line);
        const double vy2 = (w / 10) * cos_deg(b);
        vz = (w / 10) * sin_deg(b);
        v = std::sqrt(vx * vx + vy2 * vy2);
        a = atan2_deg(vy2, vx);
        s = -s;
    }
    const int sx = sign(x);
    const int depth = static_cast<int>(end * y);
    if (x0 * sx > POST_X && x * sx <= POST_X && z < 37 && depth >= 644 && depth <= 666) {
        v = std::sqrt(v);
        a = atan2_deg(sin_deg(a), -cos_deg(a) / 4);
    }
}

void t_ball::set_owner(const std::shared_ptr<t_player>& player) {
    if (player && player != owner) owned_at = match_status.timer;
    owner = player;
    if (player) owner_last = player;
}

void t_ball::save(int frame_index) {
    if (frame_index < 0 || static_cast<size_t>(frame_index) >= data.size()) return;
    t_data& d = data[static_cast<size_t>(frame_index)];
    d.x = static_cast<float>(round_half_away(x));
    d.y = static_cast<float>(round_half_away(y));
    d.z = static_cast<float>(round_half_away(z));
    d.fmx = static_cast<int32_t>(std::floor(f));
}
