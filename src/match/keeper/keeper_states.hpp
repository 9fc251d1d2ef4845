#pragma once
// Every player's brain: the stand-run state, positioning and the six saves.
#include "match/keeper/keeper_positioning.hpp"
#include "match/keeper/keeper_saves.hpp"
#include "match/core/state_machine.hpp"

class t_player;

// Creates the brain and its eight states in their fixed order; none is active.
void init_player_brain(t_player& player);
// Whoever stands in slot 1 keeps goal, whatever his role in the squad: positioning for him, stand-run for
// the others. A team without a goalkeeper in slot 1 still has someone in goal.
void take_up_role_of_slot(t_player& player, int slot);
