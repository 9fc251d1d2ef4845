#include "match/players/control_kick.hpp"

#include <cmath>

#include "match/core/match_helpers.hpp"
#include "match/core/play_events.hpp"
#include "match/sound/match_sound.hpp"
#include "match/core/match_state.hpp"
#include "match/players/player_refs.hpp"
#include "platform/maths.hpp"
#include "ui/input.hpp"

namespace {
// Stick turn from the kick's line, degrees anticlockwise on the screen.
constexpr int TURN_AHEAD = 0;
constexpr int TURN_AHEAD_LEFT = 45;
constexpr int TURN_LEFT = 90;
constexpr int TURN_BACK_LEFT = 135;
constexpr int TURN_BACK_RIGHT = 225;
constexpr int TURN_RIGHT = 270;
constexpr int TURN_AHEAD_RIGHT = 315;
constexpr int HALF_TURN = 180;
constexpr int SKILL_MASK = 7;
// Share of the effects volume for the kick's sound at the press and at a kick held to the end.
constexpr double START_SOUND_SHARE = 0.05;
constexpr double HELD_SOUND_SHARE = 0.1;

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
    note_kick(team_of(ball.owner));
    in.fired = -1;
    t.controlled = nullptr;
}

void kick_sound(double share) { play_match_sound("kick", share * match_settings.sound_vol); }

// What a charged kick reads from the stick and the kicker.
struct t_charge {
    bool let_go;  // the stick, not fire
    bool pushed;
    bool aimed;   // within 45 degrees of the kick's line
    bool across;  // square to it
    bool back;    // pulled back against it
    bool shot_zone;
    int shooting;
    int finishing;
    double lift;  // extra rise for a ball struck off the ground
};

t_charge read_charge(const t_team& t, const t_input& in) {
    const t_player* kicker = t.nearest_1.get();
    const int d = stick_turn(in);
    t_charge c{};
    c.let_go = in.x1 == 0 && in.y1 == 0;
    c.pushed = !c.let_go;
    c.aimed = c.pushed && (d == TURN_AHEAD || d == TURN_AHEAD_LEFT || d == TURN_AHEAD_RIGHT);
    c.across = c.pushed && (d == TURN_LEFT || d == TURN_RIGHT);
    c.back = c.pushed && d >= TURN_BACK_LEFT && d <= TURN_BACK_RIGHT;
    c.shot_zone = in_shot_zone(in, t.side);
    c.shooting = kicker ? kicker->sh & SKILL_MASK : 0;
    c.finishing = kicker ? kicker->fi & SKILL_MASK : 0;
    c.lift = LIFT_PER_Z * in.fire_z;
    return c;
}

// A shot in the shot zone: the kicker's shooting adds pace, his finishing keeps it down.
void zone_shot(const t_charge& c, double pace_per_shooting, double dip_per_finishing) {
    ball.v = SHOT_SPEED + pace_per_shooting * c.shooting;
    ball.vz = SHOT_LIFT - dip_per_finishing * c.finishing;
}

// Fire let go: a pass along the stick, quicker the farther the best-placed team-mate stands.
void release_pass(int team, t_team& t, t_input& in) {
    const t_player* kicker = t.nearest_1.get();
    ball.v = PASS_SPEED;
    if (const int r = best_receiver(team); r > 0 && kicker) {
        const t_player& mate = squad_player(team, r);
        ball.v = PASS_SPEED *
                 std::min(1 + PASS_DISTANCE_GAIN * distance(kicker->x, kicker->y, mate.x, mate.y), PASS_GAIN_CAP);
    }
    ball.vz = PASS_LIFT_PER_Z * in.fire_z;
    ball.a = in.fire_angle;
    if (const double aim = aim_correction(team); std::fabs(aim) < PASS_AIM_LIMIT) ball.a += aim;
    struck(t, in);
}

// An aimed stick makes the kick a shot; it is struck only when fire is let go.
void early_window(const t_charge& c) {
    if (!c.aimed) return;
    ball.v = SHOT_SPEED;
    ball.vz = SHOT_LIFT;
    if (c.shot_zone) zone_shot(c, EARLY_SHOT_PACE_PER_SHOOTING, EARLY_SHOT_DIP_PER_FINISHING);
    ball.vz += c.lift;
}

// Aimed shoots, square or let go lobs; any other stick charges on.
void late_window(const t_charge& c, t_team& t, t_input& in) {
    if (c.aimed) {
        ball.v = SHOT_SPEED;
        ball.vz = SHOT_LIFT + c.lift;
        if (c.shot_zone) zone_shot(c, LATE_SHOT_PACE_PER_SHOOTING, LATE_SHOT_DIP_PER_FINISHING);
        struck(t, in);
    }
    if (c.across || c.let_go) {
        ball.v = LOB_SPEED;
        ball.vz = LOB_LIFT + c.lift;
        struck(t, in);
    }
}

// Held past the windows the kick is struck whatever the stick says: pulled back, a clearance.
void held_kick(const t_charge& c, t_team& t, t_input& in) {
    if (c.aimed) {
        ball.v = SHOT_SPEED;
        ball.vz = SHOT_LIFT + c.lift;
        ball.a = in.fire_angle;
        if (c.shot_zone) zone_shot(c, HELD_SHOT_PACE_PER_SHOOTING, HELD_SHOT_DIP_PER_FINISHING);
    }
    if (c.across || c.let_go) {
        ball.v = LOB_SPEED;
        ball.vz = LOB_LIFT + c.lift;
        ball.a = in.fire_angle;
    }
    if (c.back) {
        ball.v = CLEARANCE_SPEED;
        ball.vz = CLEARANCE_LIFT + c.lift;
        ball.a = in.fire_angle;
    }
    kick_sound(HELD_SOUND_SHARE);
    struck(t, in);
}

// A pass released this update may still become a shot or a lob in the window it was let go in.
void charge_or_release(int team) {
    t_team& t = team_at(team);
    t_input& in = input_of(team);
    ball.a = in.fire_angle;
    if (in.fire11 == 0) release_pass(team, t, in);
    const t_charge c = read_charge(t, in);
    if (in.fire_time >= EARLY_WINDOW_FIRST && in.fire_time <= EARLY_WINDOW_LAST)
        early_window(c);
    else if (in.fire_time <= LATE_WINDOW_LAST && in.fire_time > EARLY_WINDOW_LAST)
        late_window(c, t, in);
    else if (in.fire_time > LATE_WINDOW_LAST)
        held_kick(c, t, in);
}

void after_touch(t_input& in) {
    ++in.atouch_time;
    const int d = stick_turn(in);
    const bool pushed = in.x1 != 0 || in.y1 != 0;
    switch (in.atouch) {
    case AFTER_TOUCH_PULLED_BACK:
        if (in.atouch_time > TOUCH_CURL_AFTER && pushed) {
            if (d == TURN_BACK_LEFT) ball.s -= 1;
            if (d == TURN_BACK_RIGHT) ball.s += 1;
        }
        break;
    case AFTER_TOUCH_SWERVE:
        if (pushed && d >= TURN_AHEAD_LEFT && d <= TURN_LEFT) ball.s -= 1;
        if (pushed && d >= TURN_RIGHT && d <= TURN_AHEAD_RIGHT) ball.s += 1;
        if (d >= TURN_BACK_LEFT && d <= TURN_BACK_RIGHT) in.atouch = AFTER_TOUCH_PULLED_BACK;
        break;
    case AFTER_TOUCH_STRUCK:
        if (pushed && (in.fire_angle - in.angle + 360) % HALF_TURN != 0) in.atouch = AFTER_TOUCH_SWERVE;
        break;
    default: break;
    }
    if (in.atouch_time > TOUCH_LENGTH) {
        in.atouch = AFTER_TOUCH_OFF;
        in.atouch_time = 0;
    }
}
} // namespace

void update_kick(int team) {
    t_input& in = input_of(team);
    if (in.fired == 1) charge_or_release(team);
    if (in.atouch >= AFTER_TOUCH_STRUCK) after_touch(in);

    const bool pushed = in.x1 != 0 || in.y1 != 0;
    if (in.fire11 && team_owns_ball(team) && ball.z < START_HEIGHT && in.fired == 0 && pushed) {
        in.fire_angle = in.angle;
        in.fire_z = static_cast<int>(std::trunc(ball.z));
        in.fired = 1;
        kick_sound(START_SOUND_SHARE);
        in.atouch = AFTER_TOUCH_STRUCK;
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
    const auto& squad = squad_of(team);
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
    const auto& squad = squad_of(team);
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
