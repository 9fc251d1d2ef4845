#pragma once
// ENHANCED: where the players without the ball run. The side without the ball presses the carrier with one
// man, covers behind him with a second, keeps its back line together and as wide as the reference tactic's and,
// near its own box, picks up the attackers; the side with the ball stands as deep as the reference tactic, pushes
// up behind it and its men move off a blocked passing line. A ball one side played keeps both shapes while it
// travels.
#include <array>

#include "match/core/match_state.hpp"

// The defending roles of one side this sub-step: slots, 0 for none.
struct t_defending_roles {
    int presser = 0;
    int cover = 0;
    std::array<int, ON_PITCH_SLOTS + 1> marks{}; // by the defender's slot: the opponent's slot he marks, or 0
};

// The roles the side `team` without the ball takes, from where everyone stands.
t_defending_roles defending_roles(int team);
// After the tactics' and the chasers' targets are set: moves the targets.
void shape_targets();
// The same, once a sub-step of open play: worked out on the first sub-step of an update (or when the ball changes
// sides) and held through the others, where a man moves a unit or two.
void held_shape_targets();
