#include "match/enhanced/enhanced_tackle.hpp"

#include <algorithm>
#include <cmath>

#include "football/player.hpp"
#include "football/team.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "match/enhanced/enhanced_sight.hpp"
#include "match/enhanced/enhanced_tuning.hpp"
#include "match/players/player_possession.hpp"
#include "match/set_pieces/set_piece_keeper.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"
#include "match/enhanced/enhanced_fouls.hpp"
#include "match/enhanced/enhanced_touch.hpp"

namespace {
double to_ball(const t_player& p) { return distance(p.x, p.y, ball.x, ball.y); }


// Degrees between two courses, 0..180.
double angle_between(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180 ? 360 - d : d;
}
} // namespace

bool recovering_from_tackle(const t_player& p) {
    return ball.tackle_memory.lost.within(&p, match_status.timer, TACKLED_RECOVERY_MS);
}

t_challenge_side challenge_side(const t_player& challenger, const t_player& carrier) {
    // In front is where the ball is: nearer to it than the carrier.
    if (to_ball(challenger) < to_ball(carrier)) return t_challenge_side::front;
    const double towards_ball = atan2_deg(ball.y - carrier.y, ball.x - carrier.x);
    const double towards_challenger = atan2_deg(challenger.y - carrier.y, challenger.x - carrier.x);
    return angle_between(towards_ball, towards_challenger) > BEHIND_ANGLE ? t_challenge_side::behind
                                                                           : t_challenge_side::side;
}

double challenge_chance(t_challenge_side side, int ta, int bc) {
    if (side == t_challenge_side::front) return 1;
    const double base = side == t_challenge_side::side ? SIDE_CHANCE : BEHIND_CHANCE;
    // Equal skills give the base chance; the better tackler up to about twice it, the better dribbler far less.
    const double edge = (skill_value(ta) + 1.0) / (skill_value(ta) + skill_value(bc) + 2.0);
    return base * 2 * edge;
}

void knock_ball_loose(t_team& t, const std::shared_ptr<t_player>& tackler) {
    const t_player& p = *tackler;
    if (ball.owner) {
        ball.tackle_memory.lost.remember(ball.owner.get(), match_status.timer);
        count_tackle(*ball.owner, tackler);
    }
    ball.set_owner(nullptr);
    t.controlled = tackler;
    const double reach = rnd_range(KNOCK_MIN_DISTANCE, KNOCK_MAX_DISTANCE);
    ball.x = p.x + reach * cos_deg(p.a);
    ball.y = p.y + reach * sin_deg(p.a);
    ball.z = 0;
    ball.vz = 0;
    ball.v = KNOCK_SPEED_SHARE * p.v;
    ball.a = p.a;
    ball.s = 0;
}

void enhanced_contest_ball(t_team& t, const std::shared_ptr<t_player>& nearest) {
    const t_player& p = *nearest;
    if (recovering_from_tackle(p) || on_the_grass(p)) return;
    // His own kick leaves him: touched again at once, a shot went on as a dribble at shooting pace.
    const int32_t since_kick = match_status.timer - ball.events.kicked_at;
    if (ball.owner_last == nearest && since_kick >= 0 && since_kick < KICK_LEAVES_FOOT_MS) return;
    if (!ball.owner && !p.is_goalkeeper()) {
        if (in_header_window(ball.z, to_ball(p))) {
            try_header(t.index, nearest);
            return;
        }
        if (try_diving_header(t.index, nearest)) return;
        if (in_volley_window(ball.z, ball.vz, to_ball(p)) && try_volley(t.index, nearest)) return;
    }
    if (ball.z >= TAKE_BALL_HEIGHT) return;
    if (!ball.owner) {
        if (to_ball(p) >= TAKE_BALL_DISTANCE) return;
        // A shot or a hard pass into a body flies off it unless he controls it.
        // A team-mate's hard pass is met with the body on purpose: only opponents deflect it.
        const bool fast = ball.v >= DEFLECT_SPEED && !p.is_goalkeeper() && team_of(ball.owner_last) >= 0 &&
                          team_of(ball.owner_last) != team_of(nearest);
        // In his own box a defender throws himself in the way: he blocks it, he does not bring it down.
        const bool blocks = in_penalty_area(p.x, p.y, t.side);
        if (fast && (blocks || rnd() >= control_chance(ball.v, p.bc))) {
            deflect_ball(nearest);
            ball.tackle_memory.lost.remember(&p, match_status.timer);
            return;
        }
        take_ball(t, nearest);
        return;
    }
    const t_player& carrier = *ball.owner;
    const t_challenge_side side = challenge_side(p, carrier);
    if (side == t_challenge_side::front) {
        if (to_ball(p) < TAKE_BALL_DISTANCE) knock_ball_loose(t, nearest);
        return;
    }
    if (distance(p.x, p.y, carrier.x, carrier.y) >= CHALLENGE_REACH) return;
    if (ball.tackle_memory.challenged.within(&p, match_status.timer, CHALLENGE_RETRY_MS)) return;
    ball.tackle_memory.challenged.remember(&p, match_status.timer);
    if (rnd() < challenge_chance(side, p.ta, carrier.bc))
        knock_ball_loose(t, nearest);
    else if (side == t_challenge_side::behind && rnd() < BEHIND_FOUL_CHANCE)
        call_foul(nearest, ball.owner, rnd() < TRIP_BOOKED_CHANCE);
    // In his own box a defender stretches from the side too, and sometimes catches the man instead.
    else if (side == t_challenge_side::side && in_own_penalty_area(t.index, carrier.x, carrier.y) &&
             rnd() < SIDE_FOUL_IN_BOX_CHANCE)
        call_foul(nearest, ball.owner, false);
}
