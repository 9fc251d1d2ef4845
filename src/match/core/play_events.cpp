#include "match/core/play_events.hpp"

#include <cmath>

#include "football/team.hpp"
#include "match/ball/ball.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "platform/maths.hpp"

namespace {
// A kick counts as a shot from this close to the goal it attacks, and aimed this wide of a post at most.
constexpr double SHOT_RANGE = 460;
constexpr double SHOT_WIDE_MARGIN = 60;

t_stats& stats_of(int team) { return match_stats[static_cast<size_t>(team)]; }
} // namespace

const char* goal_kind_key(t_goal_kind kind) {
    switch (kind) {
    case t_goal_kind::header: return "header";
    case t_goal_kind::volley: return "volley";
    case t_goal_kind::free_kick: return "free_kick";
    case t_goal_kind::penalty: return "penalty";
    case t_goal_kind::own_goal: return "own_goal";
    default: return "open_play";
    }
}

bool heads_for_goal(int team, double x, double y, double a, bool* on_target) {
    if (team < 0 || !match_teams[static_cast<size_t>(team)]) return false;
    // A side attacks the goal at the other end from the one it defends.
    const double goal_y = -match_teams[static_cast<size_t>(team)]->side * GOAL_LINE_Y;
    const double dy = goal_y - y;
    if (std::fabs(dy) > SHOT_RANGE) return false;
    const double sy = sin_deg(a);
    if (sy == 0 || (dy > 0) != (sy > 0)) return false;
    const double cross_x = x + cos_deg(a) * dy / sy;
    if (on_target) *on_target = std::fabs(cross_x) <= GOAL_MOUTH_X;
    return std::fabs(cross_x) <= GOAL_MOUTH_X + SHOT_WIDE_MARGIN;
}

namespace {
// Whether the ball, flying on as struck, is still under the crossbar at the goal line `team` attacks.
bool under_the_bar(int team) {
    if (ball.v <= 0) return true;
    const double t = std::fabs(-team_at(team).side * GOAL_LINE_Y - ball.y) / (ball.v * std::fabs(sin_deg(ball.a)) + 1e-9);
    const double fall = GRAVITY_PER_SUB_STEP * BALL_SUB_STEPS_PER_SECOND / 2;
    return ball.z + ball.vz * t - fall * t * t < CROSSBAR_Z;
}
} // namespace

void note_kick(int team, t_goal_kind touch, t_kick_aim aim) {
    if (team < 0) return;
    t_play_events& e = ball.events;
    // The first kick of a free kick or a penalty is the direct one.
    const bool direct = e.restart_team == team && e.restart_touches == 0;
    if (direct && e.restart == t_restart_kind::free_kick) touch = t_goal_kind::free_kick;
    if (direct && e.restart == t_restart_kind::penalty) touch = t_goal_kind::penalty;
    e.touch = touch;
    e.kicked_at = match_status.timer;
    ++e.restart_touches;
    bool on_target = false;
    const bool heading_in = heads_for_goal(team, ball.x, ball.y, ball.a, &on_target);
    if (aim == t_kick_aim::shot || (aim == t_kick_aim::judged && heading_in)) {
        on_target = on_target && heading_in && (aim == t_kick_aim::judged || under_the_bar(team));
        t_stats& s = stats_of(team);
        ++s.shots;
        if (on_target) ++s.shots_on_target;
        e.pass_team = -1;
        return;
    }
    ++stats_of(team).passes;
    e.pass_team = team;
}

void note_control(int team) {
    if (team < 0) return;
    t_play_events& e = ball.events;
    if (e.pass_team == team) ++stats_of(team).passes_completed;
    e.pass_team = -1;
    e.touch = t_goal_kind::open_play;
    if (e.restart_team >= 0 && e.restart_team != team) {
        e.restart_team = -1;
        e.restart = t_restart_kind::none;
    }
}

void note_restart(int team, t_restart_kind kind) {
    t_play_events& e = ball.events;
    e.restart_team = team;
    e.restart = kind;
    e.restart_touches = 0;
}
