#include "match/enhanced/enhanced_computer.hpp"

#include <algorithm>
#include <cmath>

#include "core/settings.hpp"
#include "match/ball/ball.hpp"
#include "football/match_settings.hpp"
#include "football/player.hpp"
#include "football/team.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "match/core/play_events.hpp"
#include "match/enhanced/enhanced_fouls.hpp"
#include "match/enhanced/enhanced_sight.hpp"
#include "match/enhanced/enhanced_tuning.hpp"
#include "match/players/kick_tuning.hpp"
#include "match/players/player_refs.hpp"
#include "match/sound/match_sound.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"
#include "ui/input.hpp"

namespace {
// The ball falls at this, in units per second per second, halved.
constexpr double HALF_GRAVITY = GRAVITY_PER_SUB_STEP * BALL_SUB_STEPS_PER_SECOND / 2;

void forget_the_kick(int team) {
    t_input& in = input_of(team);
    in.fire10 = in.fire11 = 0;
    in.fired = 0;
    in.fire_time = 0;
}
} // namespace

t_computer_sharpness computer_sharpness() {
    switch (match_settings.computer_level) {
    case t_computer_level::easy: return {EASY_LOOK_UP, EASY_AIM_ERROR, false, 1};
    case t_computer_level::hard: return {HARD_LOOK_UP, HARD_AIM_ERROR, true, HARD_COVER_GAP};
    default: return {};
    }
}

int look_up_ms(bool pressed) {
    return static_cast<int>((pressed ? LOOK_UP_PRESSED_MS : LOOK_UP_MS) * computer_sharpness().look_up);
}

double lift_to_land(double d, double v, double z) {
    const double t = d / v;
    return (z + HALF_GRAVITY * t * t) / t;
}

void send_ball(const t_player& from, double a, double v, double vz) {
    ball.set_owner(nullptr);
    ball.owner_last = shared_player(from);
    ball.a = std::fmod(a + 360, 360);
    ball.v = v;
    ball.vz = vz;
    ball.s = 0;
}

void computer_strike(int team, const t_player& carrier, double a, double v, double vz, t_kick_aim aim) {
    send_ball(carrier, a, v, vz);
    forget_the_kick(team);
    team_at(team).controlled = nullptr;
    note_kick(team, t_goal_kind::open_play, aim);
    play_kick();
}

namespace {
// Passing skill sets how far off the line the ball may go; an opponent at him makes it worse.
double pass_error(const t_player& carrier, bool pressed) {
    return (PASS_ERROR_BASE + (SKILL_TOP - skill_value(carrier.pa)) * PASS_ERROR_PER_MISSING_POINT) *
           (pressed ? PASS_ERROR_PRESSED : 1) * computer_sharpness().aim_error;
}

void pass_to(int team, const t_player& carrier, const t_pass_choice& pass, bool pressed) {
    const double d = distance(ball.x, ball.y, pass.x, pass.y);
    const double error = pass_error(carrier, pressed);
    const double a = atan2_deg(pass.y - ball.y, pass.x - ball.x) + rnd_range(-error, error);
    const double v = PASS_SPEED * std::min(1 + PASS_DISTANCE_GAIN * d, PASS_GAIN_CAP) * COMPUTER_PASS_PACE;
    computer_strike(team, carrier, a, v, d > LOFTED_PASS_FROM ? LOFTED_PASS_LIFT : 0, t_kick_aim::pass);
}

void shoot(int team, const t_player& carrier) {
    const double goal_y = goal_y_attacked(team);
    // Across the keeper to the far post, or the near one when he has come across.
    const auto& squad = squad_of(1 - team);
    const double keeper_x = squad.size() > GOALKEEPER_SLOT ? squad[GOALKEEPER_SLOT]->x : 0;
    double side = -sign(carrier.x);
    if (side == 0) side = keeper_x > 0 ? -1 : 1;
    if (std::fabs(keeper_x) > KEEPER_OFF_CENTRE && sign(keeper_x) == side) side = -side;
    // Finishing keeps a shot on line and under the bar.
    const int missing = SKILL_TOP - skill_value(carrier.fi);
    const double error = (SHOT_ERROR_BASE + missing * SHOT_ERROR_PER_MISSING_POINT) * computer_sharpness().aim_error;
    const double a = atan2_deg(goal_y - carrier.y, side * SHOT_AIM_X - carrier.x) + rnd_range(-error, error);
    const double lift = rnd_range(COMPUTER_SHOT_LIFT_LOW, COMPUTER_SHOT_LIFT_HIGH + missing * SHOT_LIFT_PER_MISSING_POINT);
    const double pace = SHOT_SPEED * COMPUTER_SHOT_PACE + COMPUTER_SHOT_PACE_PER_SKILL * skill_value(carrier.sh);
    computer_strike(team, carrier, a, pace, lift, t_kick_aim::shot);
}

// From the byline into the box: to the team-mate best placed there, or to the spot.
void cross(int team, const t_player& carrier) {
    const double goal_y = goal_y_attacked(team);
    const double spot_y = goal_y + team_at(team).side * CROSS_SPOT_OUT;
    double x = rnd_range(-CROSS_SPREAD, CROSS_SPREAD);
    double y = spot_y;
    double best = CROSS_RECEIVER_WITHIN;
    for_each_standing(team, [&](int slot, const t_player& m) {
        if (slot == GOALKEEPER_SLOT || &m == &carrier) return;
        const double d = distance(m.x, m.y, 0, spot_y);
        if (d < best) {
            best = d;
            x = m.x;
            y = m.y;
        }
    });
    const double d = distance(ball.x, ball.y, x, y);
    const double error =
        (CROSS_ERROR_BASE + (SKILL_TOP - skill_value(carrier.pa)) * CROSS_ERROR_PER_MISSING_POINT) * computer_sharpness().aim_error;
    const double a = atan2_deg(y - ball.y, x - ball.x) + rnd_range(-error, error);
    computer_strike(team, carrier, a, CROSS_SPEED, lift_to_land(d, CROSS_SPEED, CROSS_ARRIVAL_Z), t_kick_aim::pass);
}

// Under pressure near his own goal with no one to pass to: upfield and away, towards the nearer touchline.
void clear(int team, const t_player& carrier) {
    const double forward = -team_at(team).side;
    const double out = carrier.x == 0 ? 1 : sign(carrier.x);
    const double a = atan2_deg(forward, out * rnd_range(CLEARANCE_WIDE_LOW, CLEARANCE_WIDE_HIGH));
    computer_strike(team, carrier, a, COMPUTER_CLEARANCE_SPEED, COMPUTER_CLEARANCE_LIFT, t_kick_aim::pass);
}

// Pressed in his own half by a side that has sent most of its men there: over their heads to the man furthest
// up, into the space they left. True when he played it.
bool over_the_press(int team, const t_player& carrier) {
    if (depth_from_own_goal(team, carrier.y) >= GOAL_LINE_Y) return false;
    int pressing = 0;
    for_each_standing(1 - team, [&](int slot, const t_player& o) {
        if (slot != GOALKEEPER_SLOT && depth_from_own_goal(team, o.y) < GOAL_LINE_Y) ++pressing;
    });
    if (pressing < OVER_THE_PRESS_FROM) return false;
    const t_player* target = nullptr;
    double furthest = depth_from_own_goal(team, carrier.y) + OVER_THE_PRESS_GAIN;
    for_each_standing(team, [&](int slot, const t_player& m) {
        if (slot == GOALKEEPER_SLOT || &m == &carrier) return;
        const double depth = depth_from_own_goal(team, m.y);
        if (depth > furthest && distance(ball.x, ball.y, m.x, m.y) < OVER_THE_PRESS_REACH) {
            furthest = depth;
            target = &m;
        }
    });
    if (!target) return false;
    const double x = target->x;
    const double y = target->y - team_at(team).side * OVER_THE_PRESS_LEAD;
    const double d = distance(ball.x, ball.y, x, y);
    // Over their heads, the press does not spoil his aim.
    const double error = pass_error(carrier, false);
    const double a = atan2_deg(y - ball.y, x - ball.x) + rnd_range(-error, error);
    computer_strike(team, carrier, a, OVER_THE_PRESS_SPEED, lift_to_land(d, OVER_THE_PRESS_SPEED, OVER_THE_PRESS_ARRIVAL_Z),
                    t_kick_aim::pass);
    return true;
}

bool on_the_wing(const t_player& p) { return std::fabs(p.x) > WING_FROM_X; }

double to_goal_line(int team, const t_player& p) { return std::fabs(goal_y_attacked(team) - p.y); }

// A winger runs down his wing to the byline; anyone else runs at goal, into the middle once near it.
void run_with_the_ball(int team, const t_player& carrier) {
    t_input& in = input_of(team);
    const double goal_y = goal_y_attacked(team);
    const double near_goal = to_goal_line(team, carrier) < CUT_INSIDE_RANGE;
    const double aim_x = on_the_wing(carrier) || !near_goal ? carrier.x : 0;
    const double a = atan2_deg(goal_y - carrier.y, aim_x - carrier.x);
    in.x1 = static_cast<int>(round_half_away(cos_deg(a)));
    in.y1 = static_cast<int>(round_half_away(sin_deg(a)));
    in.angle = static_cast<int32_t>(atan2_deg(in.y1, in.x1));
    forget_the_kick(team);
}
} // namespace

std::optional<t_pass_choice> best_pass(int team, const t_player& carrier) {
    const double forward_y = -team_at(team).side;
    std::optional<t_pass_choice> best;
    const auto consider = [&](int slot, double x, double y, double marked_within) {
        const double d = distance(ball.x, ball.y, x, y);
        if (d < PASS_MIN_DISTANCE || d > PASS_MAX_DISTANCE) return;
        if (line_blocked(team, ball.x, ball.y, x, y, PASS_LANE_CLEARANCE + PASS_LANE_WIDENING * d, true)) return;
        const double marker = nearest_opponent(team, x, y);
        if (marker < marked_within) return;
        const double forward = (y - carrier.y) * forward_y;
        const double score = forward + PASS_SPACE_WEIGHT * std::min(marker, PASS_SPACE_COUNTED) - PASS_LENGTH_COST * d;
        if (!best || score > best->score) best = t_pass_choice{slot, x, y, score};
    };
    const auto& squad = squad_of(team);
    for (size_t slot = GOALKEEPER_SLOT + 1; slot <= ON_PITCH_SLOTS && slot < squad.size(); ++slot) {
        const t_player& m = *squad[slot];
        if (&m == &carrier || m.play.sent_off || on_the_grass(m)) continue;
        // In front of a man on the run.
        const double lead = m.v > 0 ? PASS_LEAD : 0;
        consider(static_cast<int>(slot), m.x + cos_deg(m.a) * lead, m.y + sin_deg(m.a) * lead, PASS_MARKED_WITHIN);
        // Into the space behind a high line, for a man ahead of the ball who gets there first.
        const double through_y = m.y + forward_y * THROUGH_BALL_LEAD;
        if ((m.y - carrier.y) * forward_y > 0 && std::fabs(through_y) < GOAL_LINE_Y - THROUGH_BALL_SHORT_OF_LINE)
            consider(static_cast<int>(slot), m.x, through_y, THROUGH_BALL_LEAD + THROUGH_BALL_RACE_MARGIN);
    }
    return best;
}

bool shooting_chance(int team, const t_player& carrier) {
    const double goal_y = goal_y_attacked(team);
    const double to_goal = distance(carrier.x, carrier.y, 0, goal_y);
    const bool in_the_box = std::fabs(carrier.x) < PENALTY_AREA_X && std::fabs(goal_y - carrier.y) < GOAL_LINE_Y - PENALTY_AREA_FRONT;
    const bool good_shooter = skill_value(carrier.sh) >= GOOD_SHOOTER;
    if (!in_the_box && !(good_shooter && to_goal < LONG_SHOT_RANGE)) return false;
    // Too wide: no angle at the goal.
    if (std::fabs(carrier.x) > std::fabs(goal_y - carrier.y) * SHOT_ANGLE_LIMIT + GOAL_MOUTH_X) return false;
    return to_goal < POINT_BLANK || !line_blocked(team, ball.x, ball.y, 0, goal_y, SHOT_LANE_CLEARANCE, false);
}

void computer_on_the_ball() {
    for (int team = 0; team < 2; ++team) {
        const t_team& t = team_at(team);
        if (t.control != CONTROL_COMPUTER || team_of(ball.owner) != team) continue;
        const t_player& carrier = *ball.owner;
        if (is_keeper_slot(team, ball.owner)) continue;
        const bool pressed = nearest_opponent(team, carrier.x, carrier.y) < PRESSED_WITHIN;
        const int32_t held = match_status.timer - ball.owned_at;
        if (held < look_up_ms(pressed)) {
            run_with_the_ball(team, carrier);
            continue;
        }
        if (shooting_chance(team, carrier)) {
            shoot(team, carrier);
            continue;
        }
        if (on_the_wing(carrier) && to_goal_line(team, carrier) < CROSS_WITHIN) {
            cross(team, carrier);
            continue;
        }
        const std::optional<t_pass_choice> pass = best_pass(team, carrier);
        const bool space_ahead = nearest_opponent(team, carrier.x, carrier.y + (-t.side) * SPACE_AHEAD) > SPACE_AHEAD;
        if ((pressed || !pass) && over_the_press(team, carrier)) continue;
        if (pass && (pressed || !space_ahead || pass->score > GOOD_PASS_SCORE)) {
            pass_to(team, carrier, *pass, pressed);
            continue;
        }
        // Pressed near his own goal, or deep in his half with no one to pass to: he clears it.
        const double depth = depth_from_own_goal(team, carrier.y);
        if (pressed && (depth < CLEAR_WITHIN || (!pass && depth < LONG_BALL_WITHIN))) {
            clear(team, carrier);
            continue;
        }
        run_with_the_ball(team, carrier);
    }
}
