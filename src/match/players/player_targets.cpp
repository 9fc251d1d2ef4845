#include "match/players/player_targets.hpp"

#include <algorithm>
#include <cmath>

#include "football/tactics.hpp"
#include "match/players/control_kick.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "match/players/player_refs.hpp"
#include "platform/maths.hpp"

namespace {
// Meets the ball on its path where he stands beside it, or goes to the ball.
void intercept(t_player& p) {
    // A ball at rest has no path: the foot of his perpendicular on its old
    // course kept him standing off it, and a ball at a keeper's feet stayed
    // there for the rest of the half.
    if (ball.v == 0) {
        p.tx = ball.x;
        p.ty = ball.y;
        return;
    }
    const double d = distance(ball.x, ball.y, p.x, p.y);
    const double b = d * cos_deg(ball.a - atan2_deg(p.y - ball.y, p.x - ball.x));
    if (d * d - b * b > 1) {
        p.tx = ball.x + b * cos_deg(ball.a);
        p.ty = ball.y + b * sin_deg(ball.a);
    } else {
        p.tx = ball.x;
        p.ty = ball.y;
    }
}
} // namespace

void set_tactics_targets(int neutral) {
    for (size_t team = 0; team < match_teams.size(); ++team) {
        if (!match_teams[team]) continue;
        const t_team& t = *match_teams[team];
        const int zone = neutral ? CENTRE_ZONE : tactics_zone(static_cast<int>(team));
        const t_tactics& tac = tactics[static_cast<size_t>(std::clamp(t.tactics, 0, TACTICS_SLOTS - 1))];
        const auto& squad = match_players[team];
        for (size_t slot = 2; slot <= ON_PITCH_SLOTS && slot < squad.size(); ++slot) {
            if (squad[slot]->play.sent_off) continue; // on his way to the tunnel
            const t_vec2d place = tactic_place(static_cast<int>(team), tac, static_cast<int>(slot), zone);
            squad[slot]->tx = place.x;
            squad[slot]->ty = place.y;
        }
    }
}

t_vec2d tactic_place(int team, const t_tactics& tac, int slot, int zone) {
    const t_vec2d& target = tac.target[static_cast<size_t>(slot - 1)][static_cast<size_t>(std::clamp(zone, 0, BALL_ZONES - 1))];
    const int side = team_at(team).side;
    return {-side * target.x, -side * target.y};
}

int tactics_zone(int team) { return CENTRE_ZONE - team_at(team).side * (ball.zone_x + 5 * ball.zone_y); }

t_chasers chasers(int team) {
    t_chasers c;
    const t_team& t = team_at(team);
    if (!is_keeper_slot(team, t.nearest_1)) c.nearest = slot_of(team, t.nearest_1.get());
    if (const int r = best_receiver(team); r > 0 && squad_player(team, r).pt != ROLE_GOALKEEPER) c.receiver = r;
    return c;
}

void set_chase_targets() {
    for (int team = 0; team < 2; ++team) {
        if (!match_teams[static_cast<size_t>(team)] || team_owns_ball(team)) continue;
        const t_chasers c = chasers(team);
        if (c.nearest) intercept(squad_player(team, c.nearest));
        if (c.receiver) intercept(squad_player(team, c.receiver));
    }
}
