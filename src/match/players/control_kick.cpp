#include "match/players/control_kick.hpp"

#include <cmath>

#include "match/core/match_helpers.hpp"
#include "match/sound/match_sound.hpp"
#include "match/core/match_state.hpp"
#include "match/players/player_refs.hpp"
#include "platform/maths.hpp"
#include "ui/input.hpp"

namespace {
constexpr double SHOT_ZONE_FROM_HALFWAY = 213.33;
constexpr double SHOT_CONE = 45;
constexpr int EARLY_WINDOW_FIRST = 6;
constexpr int EARLY_WINDOW_LAST = 8;
constexpr int LATE_WINDOW_LAST = 10;
constexpr double START_HEIGHT = 5;
constexpr int TOUCH_CURL_AFTER = 8;
constexpr int TOUCH_LENGTH = 13;

t_team& team_at(int team) { return *match_teams[static_cast<size_t>(team)]; }
t_input& input_of(int team) { return inputs[static_cast<size_t>(team)]; }

// Unsigned-angle-ish offset of `target` from course `course` seen from (x, y),
// in -180..180, truncated as the choice of receivers compares it.
int angle_off(double x, double y, double course, const t_player& target) {
    const double direction = atan2_deg(target.y - y, target.x - x);
    double off = std::fmod(direction - course + 540, 360);
    if (off < 0) off += 360;
    return static_cast<int>(std::trunc(off - 180));
}

int stick_turn(const t_input& in) { return ((in.fire_angle - in.angle + 360) % 360 + 360) % 360; }

bool in_shot_zone(const t_input& in, int side) {
    if (sign(ball.y) != -side) return false;
    if (GOAL_LINE_Y - std::fabs(ball.y) >= GOAL_LINE_Y - SHOT_ZONE_FROM_HALFWAY) return false;
    const double towards_goal = std::fmod(in.fire_angle - 180.0 - 90.0 * side, 360.0);
    return std::fabs(towards_goal) <= SHOT_CONE || std::fabs(towards_goal) >= 360 - SHOT_CONE;
}

void struck(t_team& t, t_input& in) {
    in.fired = -1;
    t.controlled = nullptr;
}

void kick_sound(double share) { play_match_sound("kick", share * match_settings.sound_vol); }

void charge_or_release(int team) {
    t_team& t = team_at(team);
    t_input& in = input_of(team);
    const t_player* kicker = t.nearest_1.get();
    ball.a = in.fire_angle;
    if (in.fire11 == 0) {
        ball.v = PASS_SPEED;
        if (const int r = best_receiver(team); r > 0 && kicker) {
            const t_player& mate = *match_players[static_cast<size_t>(team)][static_cast<size_t>(r)];
            ball.v = PASS_SPEED *
                     std::min(1 + PASS_DISTANCE_GAIN * distance(kicker->x, kicker->y, mate.x, mate.y), PASS_GAIN_CAP);
        }
        ball.vz = PASS_LIFT_PER_Z * in.fire_z;
        ball.a = in.fire_angle;
        if (const double aim = aim_correction(team); std::fabs(aim) < PASS_AIM_LIMIT) ball.a += aim;
        struck(t, in);
    }

    const int d = stick_turn(in);
    const bool released = in.x1 == 0 && in.y1 == 0;
    const bool pushed = !released;
    const bool aimed = pushed && (d == 0 || d == 45 || d == 315);
    const bool across = pushed && (d == 90 || d == 270);
    const bool shot_zone = in_shot_zone(in, t.side);
    const int sh = kicker ? kicker->sh & 7 : 0;
    const int fi = kicker ? kicker->fi & 7 : 0;
    const double lift = LIFT_PER_Z * in.fire_z;

    if (in.fire_time >= EARLY_WINDOW_FIRST && in.fire_time <= EARLY_WINDOW_LAST) {
        if (aimed) {
            ball.v = SHOT_SPEED;
            ball.vz = SHOT_LIFT;
            if (shot_zone) {
                ball.v = SHOT_SPEED + 7.2 * sh;
                ball.vz = SHOT_LIFT - 7.2 * fi;
            }
            ball.vz += lift;
        }
    } else if (in.fire_time <= LATE_WINDOW_LAST && in.fire_time > EARLY_WINDOW_LAST) {
        if (aimed) {
            ball.v = SHOT_SPEED;
            ball.vz = SHOT_LIFT + lift;
            if (shot_zone) {
                ball.v = SHOT_SPEED + 7.5 * sh;
                ball.vz = SHOT_LIFT - 7.5 * fi;
            }
            struck(t, in);
        }
        if (across || released) {
            ball.v = LOB_SPEED;
            ball.vz = LOB_LIFT + lift;
            struck(t, in);
        }
    } else if (in.fire_time > LATE_WINDOW_LAST) {
        if (aimed) {
            ball.v = SHOT_SPEED;
            ball.vz = SHOT_LIFT + lift;
            ball.a = in.fire_angle;
            if (shot_zone) {
                ball.v = SHOT_SPEED + 7.5 * sh;
                ball.vz = SHOT_LIFT - 5 * fi;
            }
        }
        if (across || released) {
            ball.v = LOB_SPEED;
            ball.vz = LOB_LIFT + lift;
            ball.a = in.fire_angle;
        }
        if (pushed && d >= 135 && d <= 225) {
            ball.v = CLEARANCE_SPEED;
            ball.vz = CLEARANCE_LIFT + lift;
            ball.a = in.fire_angle;
        }
        kick_sound(0.1);
        struck(t, in);
    }
}

void after_touch(t_input& in) {
    ++in.atouch_time;
    const int d = stick_turn(in);
    const bool pushed = in.x1 != 0 || in.y1 != 0;
    switch (in.atouch) {
    case 3:
        if (in.atouch_time > TOUCH_CURL_AFTER && pushed) {
            if (d == 135) ball.s -= 1;
            if (d == 225) ball.s += 1;
        }
        break;
    case 2:
        if (pushed && d >= 45 && d <= 90) ball.s -= 1;
        if (pushed && d >= 270 && d <= 315) ball.s += 1;
        if (d >= 135 && d <= 225) in.atouch = 3;
        break;
    case 1:
        if (pushed && (in.fire_angle - in.angle + 360) % 180 != 0) in.atouch = 2;
        break;
    default: break;
    }
    if (in.atouch_time > TOUCH_LENGTH) {
        in.atouch = 0;
        in.atouch_time = 0;
    }
}
} // namespace

void update_kick(int team) {
    t_input& in = input_of(team);
    if (in.fired == 1) charge_or_release(team);
    if (in.atouch >= 1) after_touch(in);

    const bool pushed = in.x1 != 0 || in.y1 != 0;
    if (in.fire11 && team_owns_ball(team) && ball.z < START_HEIGHT && in.fired == 0 && pushed) {
        in.fire_angle = in.angle;
        in.fire_z = static_cast<int>(std::trunc(ball.z));
        in.fired = 1;
        kick_sound(0.05);
        in.atouch = 1;
        in.atouch_time = 0;
        ball.s = 0;
    }
    in.fire_time += in.fired;
    if (in.fire_time == 0) in.fired = 0;
    if (!team_owns_ball(team)) {
        in.fired = 0;
        in.fire_time = 0;
    }
}

int best_receiver(int team) {
    if (ball.v == 0) return 0;
    const t_team& t = team_at(team);
    const auto& squad = match_players[static_cast<size_t>(team)];
    if (squad.size() <= ON_PITCH_SLOTS) return 0;
    int best = squad[1] == t.nearest_1 ? 2 : 1;
    int best_off = std::abs(angle_off(ball.x, ball.y, ball.a, *squad[static_cast<size_t>(best)]));
    for (int slot = 2; slot <= ON_PITCH_SLOTS; ++slot) {
        const auto& p = squad[static_cast<size_t>(slot)];
        if (p == t.nearest_1) continue;
        const int off = std::abs(angle_off(ball.x, ball.y, ball.a, *p));
        if (off < best_off) {
            best = slot;
            best_off = off;
        }
    }
    return best;
}

double aim_correction(int team) {
    const t_team& t = team_at(team);
    if (!t.nearest_1) return 0;
    const t_player& from = *t.nearest_1;
    const auto& squad = match_players[static_cast<size_t>(team)];
    if (squad.size() <= ON_PITCH_SLOTS) return 0;
    int best = squad[1] == t.controlled ? 2 : 1;
    int best_off = angle_off(from.x, from.y, from.a, *squad[static_cast<size_t>(best)]);
    for (int slot = 2; slot <= ON_PITCH_SLOTS; ++slot) {
        const auto& p = squad[static_cast<size_t>(slot)];
        if (p == t.nearest_1) continue;
        const int off = angle_off(from.x, from.y, from.a, *p);
        if (std::abs(off) < std::abs(best_off)) {
            best = slot;
            best_off = off;
        }
    }
    return best_off;
}
