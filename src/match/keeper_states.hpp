#pragma once
// Every player's brain: the stand-run state, positioning and the six saves.
#include "match/keeper_positioning.hpp"
#include "match/keeper_saves.hpp"
#include "match/state_machine.hpp"

class t_player;

// Creates the brain and its eight states in their fixed order; none is active.
void init_player_brain(t_player& player);
