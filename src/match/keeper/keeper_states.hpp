#pragma once
// Every player's brain: the stand-run state, positioning and the six saves.
#include "match/keeper/keeper_positioning.hpp"
#include "match/keeper/keeper_saves.hpp"
#include "match/core/state_machine.hpp"

class t_player;

// Creates the brain and its eight states in their fixed order; none is active.
void init_player_brain(t_player& player);
