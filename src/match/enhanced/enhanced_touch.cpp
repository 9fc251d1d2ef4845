#include "match/enhanced/enhanced_touch.hpp"

#include <algorithm>
#include <cmath>

#include "football/player.hpp"
#include "football/team.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "match/core/play_events.hpp"
#include "match/enhanced/enhanced_sight.hpp"
#include "match/enhanced/enhanced_tuning.hpp"
#include "match/phases/phase_common.hpp"
#include "match/players/player_possession.hpp"
#include "match/sound/match_sound.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"
#include "ui/input.hpp"

namespace {

// Whether `p` is the man a human steers, and the course his stick asks for if it is pushed.
bool steered_by_human(int team, const std::shared_ptr<t_player>& p) {
    const t_team& t = team_at(team);
    return t.control == CONTROL_PLAYER && t.controlled == p;
}

bool stick_pushed(const t_input& in) { return in.x1 != 0 || in.y1 != 0; }

// Somewhere across the goal mouth `p` attacks.
double aim_at_goal_mouth(const t_player& p, double goal_y, double spread = HEADER_AIM_SPREAD) {
    return atan2_deg(goal_y - p.y, rnd_range(-spread, spread) - p.x);
}

// A header is seldom placed exactly: more so by a poor header of the ball.
double header_error(const t_player& h) {
    const double e = HEADER_ERROR_BASE + (SKILL_TOP - skill_value(h.he)) * HEADER_ERROR_PER_MISSING_POINT;
    return rnd_range(-e, e);
}

// The ball leaves `p` of `team` first time, along `a`.
void strike_first_time(int team, const std::shared_ptr<t_player>& p, double a, double v, double vz,
                       t_goal_kind kind, t_kick_aim aim = t_kick_aim::judged) {
    ball.set_owner(nullptr);
    ball.owner_last = p;
    ball.a = a;
    ball.v = v;
    ball.vz = vz;
    ball.s = 0;
    p->a = a;
    p->fmx = facing_of(a);
    note_kick(team, kind, aim);
}

// One try each for a header or a volley until the ball has gone on.
bool tried_already(const t_player& p) {
    if (ball.tackle_memory.challenged.within(&p, match_status.timer, HEADER_RETRY_MS)) return true;
    ball.tackle_memory.challenged.remember(&p, match_status.timer);
    return false;
}
} // namespace

double control_chance(double v, int bc) {
    if (v < DEFLECT_SPEED) return 1;
    return CONTROL_FAST_BASE + CONTROL_FAST_PER_SKILL * skill_value(bc);
}

void deflect_ball(const std::shared_ptr<t_player>& p) {
    const double turn = rnd_range(DEFLECT_TURN_MIN, DEFLECT_TURN_MAX) * (rnd() < 0.5 ? -1 : 1);
    ball.a = std::fmod(ball.a + turn + 360, 360);
    ball.v *= rnd_range(DEFLECT_SPEED_KEPT_MIN, DEFLECT_SPEED_KEPT_MAX);
    ball.vz = std::max(ball.vz, 0.0) + DEFLECT_LIFT * rnd();
    ball.s = 0;
    ball.owner_last = p;
    // A block ends a pass and a restart's direct kick as a touch would.
    ball.events.pass_team = -1;
    ball.events.touch = t_goal_kind::open_play;
}

// A ball still rising past him is gone before his head gets there.
bool in_header_window(double z, double reach) { return z >= HEADER_LOW && z <= HEADER_HIGH && reach < HEADER_REACH; }

bool try_header(int team, const std::shared_ptr<t_player>& p) {
    t_player& h = *p;
    const t_team& t = team_at(team);
    const t_input& in = input_of(team);
    const bool human = steered_by_human(team, p);
    // A human heads only when he presses fire as the ball arrives.
    if (human && in.fire11 == 0) return false;
    if (ball.vz > 0) return false;
    if (tried_already(h)) return false;
    // A man with an opponent at his shoulder gets less on it, and less of it where he wants.
    const bool challenged = nearest_opponent(team, h.x, h.y) < HEADER_CHALLENGE_WITHIN;
    const double meets = (HEADER_BASE + HEADER_PER_SKILL * skill_value(h.he)) * (challenged ? HEADER_CHALLENGED_MEETS : 1);
    if (rnd() >= meets) return false;
    const double goal_y = -t.side * GOAL_LINE_Y;
    double a = 0;
    double lift = HEADER_LIFT;
    t_kick_aim aim = t_kick_aim::judged;
    if (human && stick_pushed(in)) {
        a = atan2_deg(in.y1, in.x1);
    } else if (std::fabs(goal_y - h.y) < HEADER_AT_GOAL_RANGE) {
        a = aim_at_goal_mouth(h, goal_y) + header_error(h) * (challenged ? HEADER_CHALLENGED_ERROR : 1);
        aim = t_kick_aim::shot;
    } else {
        // Clear it: up the pitch, away from the middle of his own goal; near it, out towards the wing.
        const bool near_own_goal = std::fabs(-goal_y - h.y) < CLEAR_WITHIN;
        const double out = h.x == 0 ? 1.0 : sign(h.x);
        a = near_own_goal ? atan2_deg(sign(goal_y - h.y), out) : atan2_deg(goal_y - h.y, h.x * 0.5);
        lift = CLEARING_HEADER_LIFT;
        // Under a ball into his six-yard area he is glad to get anything on it: often it goes behind.
        if (std::fabs(-goal_y - h.y) < GLANCED_BEHIND_WITHIN && rnd() < GLANCED_BEHIND) {
            a = atan2_deg(-goal_y - h.y, out * (GOAL_MOUTH_X + TIP_PAST_POST) - h.x);
            lift = 0;
        }
    }
    strike_first_time(team, p, a, HEADER_SPEED + HEADER_SPEED_PER_SKILL * skill_value(h.he), lift, t_goal_kind::header,
                      aim);
    h.play.heading = HEADER_SUB_STEPS;
    ++match_stats[static_cast<size_t>(team)].headers;
    return true;
}

bool in_diving_header_window(const t_player& p, int team) {
    if (ball.owner || ball.z < DIVING_HEADER_LOW || ball.z >= HEADER_LOW || ball.v < DIVING_HEADER_MIN_BALL_SPEED)
        return false;
    const double reach = distance(p.x, p.y, ball.x, ball.y);
    if (reach < TAKE_BALL_DISTANCE || reach >= DIVING_HEADER_REACH) return false;
    const double goal_y = -team_at(team).side * GOAL_LINE_Y;
    if (std::fabs(goal_y - p.y) > DIVING_HEADER_RANGE || std::fabs(p.x) > PENALTY_AREA_X) return false;
    const double to_ball = atan2_deg(ball.y - p.y, ball.x - p.x);
    const double off_his_run = std::fabs(std::remainder(to_ball - p.a, 360.0));
    // A ball he is chasing from behind is run onto, not dived at.
    const double off_straight_at_him = std::fabs(std::remainder(ball.a - (to_ball + 180), 360.0));
    return off_his_run <= DIVING_HEADER_CONE && off_straight_at_him <= DIVING_HEADER_MEETS;
}

bool try_diving_header(int team, const std::shared_ptr<t_player>& p) {
    t_player& h = *p;
    const t_input& in = input_of(team);
    const bool human = steered_by_human(team, p);
    if (!in_diving_header_window(h, team) || (human && in.fire11 == 0)) return false;
    if (tried_already(h)) return false;
    if (rnd() >= DIVING_HEADER_BASE + DIVING_HEADER_PER_SKILL * skill_value(h.he)) return false;
    // He launches himself at it: flat out, his head where the ball is.
    const double dive_a = atan2_deg(ball.y - h.y, ball.x - h.x);
    h.x = ball.x - cos_deg(dive_a) * DIVING_HEAD_AHEAD;
    h.y = ball.y - sin_deg(dive_a) * DIVING_HEAD_AHEAD;
    const double goal_y = -team_at(team).side * GOAL_LINE_Y;
    const bool steered = human && stick_pushed(in);
    const double a = steered ? atan2_deg(in.y1, in.x1)
                             : aim_at_goal_mouth(h, goal_y, DIVING_HEADER_AIM_SPREAD) + header_error(h);
    strike_first_time(team, p, a, HEADER_SPEED + HEADER_SPEED_PER_SKILL * skill_value(h.he), DIVING_HEADER_LIFT,
                      t_goal_kind::header, steered ? t_kick_aim::judged : t_kick_aim::shot);
    h.a = dive_a;
    h.fmx = facing_of(dive_a);
    h.play.heading = DIVING_HEADER_SUB_STEPS;
    h.play.diving = true;
    ++match_stats[static_cast<size_t>(team)].headers;
    return true;
}

bool in_volley_window(double z, double vz, double reach) {
    return z >= VOLLEY_LOW && z < HEADER_LOW && vz < 0 && reach < VOLLEY_REACH;
}

bool try_volley(int team, const std::shared_ptr<t_player>& p) {
    t_player& v = *p;
    const t_input& in = input_of(team);
    const bool human = steered_by_human(team, p);
    const double goal_y = -team_at(team).side * GOAL_LINE_Y;
    // A human volleys when he presses fire as it drops; the computer only at goal.
    if (human ? in.fire11 == 0 : std::fabs(goal_y - v.y) > VOLLEY_RANGE) return false;
    if (tried_already(v)) return false;
    const bool steered = human && stick_pushed(in);
    double a = steered ? atan2_deg(in.y1, in.x1) : aim_at_goal_mouth(v, goal_y);
    double speed = VOLLEY_SPEED + VOLLEY_SPEED_PER_SKILL * skill_value(v.sh);
    if (rnd() >= VOLLEY_BASE + VOLLEY_PER_SKILL * skill_value(v.sh)) {
        // Scuffed: off the side of the boot.
        a += rnd_range(-MIS_HIT_TURN, MIS_HIT_TURN);
        speed *= MIS_HIT_SPEED_SHARE;
    }
    strike_first_time(team, p, a, speed, VOLLEY_LIFT, t_goal_kind::volley,
                      steered ? t_kick_aim::judged : t_kick_aim::shot);
    play_kick();
    return true;
}
