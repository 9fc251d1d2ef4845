#include "match/enhanced/enhanced_throws.hpp"

#include <algorithm>
#include <cmath>

#include "football/player.hpp"
#include "football/team.hpp"
#include "match/ball/ball.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "match/enhanced/enhanced_computer.hpp"
#include "match/enhanced/enhanced_sight.hpp"
#include "match/enhanced/enhanced_tuning.hpp"
#include "match/phases/phase_common.hpp"
#include "match/players/kick_tuning.hpp"
#include "match/players/player_refs.hpp"
#include "match/set_pieces/restart_tuning.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"

namespace {
// The ball leaves the hands of `thrower`: not a kick for the statistics, as with a human's throw, but like a
// kick he cannot play it again at once (a throw at head height was headed straight back by him).
void let_go(const t_player& thrower, double a, double v, double vz) {
    ball.events.kicked_at = match_status.timer;
    send_ball(thrower, a, v, vz);
}

bool computer_holds_ball(int team) {
    return team >= 0 && team_at(team).control == CONTROL_COMPUTER && team_of(ball.owner) == team;
}
} // namespace

std::optional<t_throw_choice> free_man_to_throw_to(int team, const t_player& thrower, double range, double free_within,
                                                   bool backs_only) {
    const double forward_y = -team_at(team).side;
    std::optional<t_throw_choice> best;
    for_each_standing(team, [&](int slot, const t_player& m) {
        if (slot == GOALKEEPER_SLOT || &m == &thrower || (backs_only && !is_back(m))) return;
        const double d = distance(ball.x, ball.y, m.x, m.y);
        if (d < THROW_MIN_DISTANCE || d > range) return;
        if (line_blocked(team, ball.x, ball.y, m.x, m.y, PASS_LANE_CLEARANCE + PASS_LANE_WIDENING * d, true)) return;
        const double marker = nearest_opponent(team, m.x, m.y);
        if (marker < free_within) return;
        const double gained = (m.y - ball.y) * forward_y;
        const double score =
            THROW_GAIN_WEIGHT * gained + PASS_SPACE_WEIGHT * std::min(marker, PASS_SPACE_COUNTED) - PASS_LENGTH_COST * d;
        if (!best || score > best->score) best = t_throw_choice{slot, score};
    });
    return best;
}

void come_short_for_throw_in(int taking) {
    if (taking < 0 || !ball.owner) return;
    const t_player* thrower = ball.owner.get();
    const int slot = nearest_outfield(taking, ball.x, ball.y, [&](int s) { return &squad_player(taking, s) == thrower; });
    if (!slot) return;
    t_player& m = squad_player(taking, slot);
    const double d = distance(m.x, m.y, ball.x, ball.y);
    const double step = std::min(THROW_OFFER_STEP, d - THROW_OFFER_NEAREST);
    if (step <= 0) return;
    m.tx = m.x + (ball.x - m.x) / d * step;
    m.ty = m.y + (ball.y - m.y) / d * step;
}

bool computer_throws_in(int taking) {
    if (!computer_holds_ball(taking)) return false;
    t_player& thrower = *ball.owner;
    const int side_x = ball.x < 0 ? -1 : 1;
    double a = atan2_deg(-team_at(taking).side, -side_x * DOWN_THE_LINE_LEAN);
    const double room = std::fabs(goal_y_attacked(taking) - ball.y) - DOWN_THE_LINE_SHORT;
    const double v = THROW_SPEED;
    double vz = lift_to_land(std::clamp(room, THROW_MIN_DISTANCE, DOWN_THE_LINE_DISTANCE), v, -ball.z);
    // In the last third the throw goes into the crowd as it always did: that is where corners come from.
    if (depth_from_own_goal(taking, ball.y) > LAST_THIRD_DEPTH) return false;
    if (const auto choice = free_man_to_throw_to(taking, thrower, THROW_IN_RANGE, THROW_FREE_WITHIN, false)) {
        const t_player& m = squad_player(taking, choice->slot);
        a = atan2_deg(m.y - ball.y, m.x - ball.x) + rnd_range(-THROW_ERROR, THROW_ERROR);
        // Down at once, out of heading height, and along the grass to him.
        vz = lift_to_land(distance(ball.x, ball.y, m.x, m.y) * THROW_LANDS_AT, v, -ball.z);
    }
    thrower.fmx = facing_of(a);
    let_go(thrower, a, v, vz);
    return true;
}

bool keeper_throws_to_free_back(int team) {
    if (!computer_holds_ball(team) || !is_keeper_slot(team, ball.owner)) return false;
    t_player& keeper = *ball.owner;
    const auto choice = free_man_to_throw_to(team, keeper, KEEPER_THROW_RANGE, KEEPER_THROW_FREE_WITHIN, true);
    if (!choice) return false;
    const t_player& back = squad_player(team, choice->slot);
    const double d = distance(ball.x, ball.y, back.x, back.y);
    const double a = atan2_deg(back.y - ball.y, back.x - ball.x) + rnd_range(-KEEPER_THROW_ERROR, KEEPER_THROW_ERROR);
    keeper.fmx = facing_of(a);
    if (d < KEEPER_ROLL_WITHIN)
        let_go(keeper, a, KEEPER_ROLL_SPEED, 0);
    else
        let_go(keeper, a, KEEPER_THROW_SPEED, lift_to_land(d * KEEPER_THROW_LANDS_AT, KEEPER_THROW_SPEED, -ball.z));
    return true;
}
