#include "match/enhanced/enhanced_touch.hpp"

#include <algorithm>
#include <cmath>

#include "football/player.hpp"
#include "football/team.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "match/core/play_events.hpp"
#include "match/enhanced/enhanced_tuning.hpp"
#include "match/phases/phase_common.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"
#include "ui/input.hpp"

namespace {
int skill(int value) { return std::clamp(value & SKILL_VALUE_MASK, 0, SKILL_TOP); }
} // namespace

double control_chance(double v, int bc) {
    if (v < DEFLECT_SPEED) return 1;
    return CONTROL_FAST_BASE + CONTROL_FAST_PER_SKILL * skill(bc);
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
    const bool human = t.control == CONTROL_PLAYER && t.controlled == p;
    // A human heads only when he presses fire as the ball arrives.
    if (human && in.fire11 == 0) return false;
    if (ball.vz > 0) return false;
    if (ball.tackle_memory.challenged.within(&h, match_status.timer, HEADER_RETRY_MS)) return false;
    ball.tackle_memory.challenged.remember(&h, match_status.timer);
    if (rnd() >= HEADER_BASE + HEADER_PER_SKILL * skill(h.he)) return false;
    const double goal_y = -t.side * GOAL_LINE_Y;
    double a = 0;
    double lift = HEADER_LIFT;
    if (human && (in.x1 != 0 || in.y1 != 0)) {
        a = atan2_deg(in.y1, in.x1);
    } else if (std::fabs(goal_y - h.y) < HEADER_AT_GOAL_RANGE) {
        a = atan2_deg(goal_y - h.y, rnd_range(-HEADER_AIM_SPREAD, HEADER_AIM_SPREAD) - h.x);
    } else {
        // Clear it: up the pitch, away from the middle of his own goal.
        a = atan2_deg(goal_y - h.y, h.x * 0.5);
        lift = CLEARING_HEADER_LIFT;
    }
    ball.set_owner(nullptr);
    ball.owner_last = p;
    ball.a = a;
    ball.v = HEADER_SPEED + HEADER_SPEED_PER_SKILL * skill(h.he);
    ball.vz = lift;
    ball.s = 0;
    h.a = a;
    h.play.heading = HEADER_SUB_STEPS;
    h.fmx = facing_of(a);
    ++match_stats[static_cast<size_t>(team)].headers;
    note_kick(team, t_goal_kind::header);
    return true;
}
