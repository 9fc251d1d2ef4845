#include "match/players/player_refs.hpp"

#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"

std::shared_ptr<t_player> shared_player(const t_player& p) {
    for (const auto& squad : match_players)
        for (const auto& candidate : squad)
            if (candidate.get() == &p) return candidate;
    return nullptr;
}

bool team_owns_ball(int team) { return ball.owner && team_of(ball.owner) == team; }

int slot_of(int team, const t_player* p) {
    const auto& squad = squad_of(team);
    for (size_t slot = GOALKEEPER_SLOT; slot <= ON_PITCH_SLOTS && slot < squad.size(); ++slot)
        if (p && squad[slot].get() == p) return static_cast<int>(slot);
    return 0;
}

bool is_keeper_slot(int team, const std::shared_ptr<t_player>& p) {
    const auto& squad = squad_of(team);
    return p && squad.size() > GOALKEEPER_SLOT && squad[GOALKEEPER_SLOT] == p;
}
