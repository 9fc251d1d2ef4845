#include "match/players/player_possession.hpp"

#include "match/core/match_helpers.hpp"
#include "match/core/play_events.hpp"
#include "match/core/match_rules.hpp"
#include "match/core/match_state.hpp"
#include "match/players/player_refs.hpp"
#include "platform/maths.hpp"
#include "ui/input.hpp"

namespace {
constexpr double SOFT_LANDING_VZ = 7;

double to_ball(const t_player& p) { return distance(p.x, p.y, ball.x, ball.y); }
} // namespace

void count_tackle(const t_player& loser, const std::shared_ptr<t_player>& winner) {
    ball.tackled = &loser;
    ball.tackled_at = match_status.timer;
    if (const int team = team_of(winner); team >= 0) ++match_stats[static_cast<size_t>(team)].tackles;
}

void take_ball(t_team& t, const std::shared_ptr<t_player>& taker) {
    t_player& p = *taker;
    // The clock goes back to the half's start after added time: a tackle "later" than now is from before it.
    const int32_t since_tackle = match_status.timer - ball.tackled_at;
    if (ball.tackled == taker.get() && since_tackle >= 0 && since_tackle < QUICK_RETAKE_MS) {
        if (const int team = team_of(taker); team >= 0) ++match_stats[static_cast<size_t>(team)].quick_retakes;
    }
    if (ball.owner && ball.owner != taker) count_tackle(*ball.owner, taker);
    note_control(team_of(taker));
    ball.set_owner(taker);
    t.controlled = taker;
    ball.x = p.x + BALL_AHEAD_OF_FEET * cos_deg(45 * p.fmx);
    ball.y = p.y + BALL_AHEAD_OF_FEET * sin_deg(45 * p.fmx);
    ball.v = p.v;
    ball.a = p.a;
    if (p.bc != 0) {
        ball.z = 0;
        if (ball.vz < SOFT_LANDING_VZ) ball.vz = 0;
    } else if (ball.vz < 0) {
        ball.vz = 0;
    }
    ball.s = 0;
}

bool may_tackle(const t_player& p) {
    if (!ball.owner) return true;
    // Nearer the ball than its owner: otherwise two players side by side take it
    // from each other every sub-step and the team handled last always keeps it.
    if (to_ball(p) >= to_ball(*ball.owner)) return false;
    // Head on, the ball lands between the two and the one just beaten would be
    // nearer again at once: they took it from each other every sub-step.
    return ball.tackled != &p || match_status.timer - ball.tackled_at >= TACKLE_RECOVERY_MS;
}

void update_possession(int team) {
    t_team& t = team_at(team);
    const t_input& in = input_of(team);
    if (team_owns_ball(team) && (to_ball(*ball.owner) > LOSE_BALL_DISTANCE || ball.z > LOSE_BALL_HEIGHT))
        ball.set_owner(nullptr);
    // A copy: a foul in the contest may send him off, and the team forgets him.
    const std::shared_ptr<t_player> n1 = t.nearest_1;
    if (!n1) return;
    if (t.controlled && !team_owns_ball(team) && in.fire_time == 0) match_rules().contest_ball(t, n1);
    if (!team_owns_ball(team) && in.fire11 == 0 && to_ball(*n1) < CONTROL_DISTANCE) t.controlled = n1;
}

void classic_contest_ball(t_team& t, const std::shared_ptr<t_player>& nearest) {
    if (to_ball(*nearest) < TAKE_BALL_DISTANCE && ball.z < TAKE_BALL_HEIGHT && may_tackle(*nearest))
        take_ball(t, nearest);
}
