#include "match/players/player_refs.hpp"

#include "match/core/match_state.hpp"

std::shared_ptr<t_player> shared_player(const t_player& p) {
    for (const auto& squad : match_players)
        for (const auto& candidate : squad)
            if (candidate.get() == &p) return candidate;
    return nullptr;
}

int team_index(const t_player& p) {
    for (size_t i = 0; i < match_teams.size(); ++i)
        if (match_teams[i] && p.team == match_teams[i].get()) return static_cast<int>(i);
    return -1;
}

bool team_owns_ball(int team) { return ball.owner && team_index(*ball.owner) == team; }

bool is_keeper_slot(int team, const std::shared_ptr<t_player>& p) {
    const auto& squad = match_players[static_cast<size_t>(team)];
    return p && squad.size() > GOALKEEPER_SLOT && squad[GOALKEEPER_SLOT] == p;
}
