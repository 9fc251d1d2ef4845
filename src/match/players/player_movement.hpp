#pragma once
// Moving the players of both teams one sub-step.

// One sub-step of every player of both squads: steering, running to targets,
// goalkeeper behaviour, integration, animation and the pitch bounds.
// True while somebody is still on his way.
bool move_players(int keep_in_bounds, int keeper_logic);

// Limits of the players' run, world units.
constexpr double PLAYER_BOUND_X = 560;
constexpr double PLAYER_BEYOND_LINE = 50;
constexpr double PLAYER_IN_GOAL_MOUTH = 5;
constexpr double BESIDE_GOAL_X = 77;
constexpr double GOAL_MOUTH_RUN_X = 65;
constexpr double PARKED_X = -946;
