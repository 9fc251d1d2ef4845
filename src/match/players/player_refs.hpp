#pragma once
// Looking players up among the two squads of the match.
#include <memory>

class t_player;

// The shared handle of a player of this match; none for a stranger.
std::shared_ptr<t_player> shared_player(const t_player& p);
// Whether the ball's owner plays for the team.
bool team_owns_ball(int team);
bool is_keeper_slot(int team, const std::shared_ptr<t_player>& p);
// The on-pitch slot of the team's player, 0 when he is not one of them (or none is given).
int slot_of(int team, const t_player* p);
