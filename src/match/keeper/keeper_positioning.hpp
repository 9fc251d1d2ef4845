#pragma once
// The goalkeeper's positioning state and his reaction time.
#include "match/core/state_machine.hpp"

// Keeps the goalkeeper between ball and goal and decides when to dive.
class KeeperStatePositioning : public PlayerState {
public:
    int danger_time = 0;

    void init(t_player& p);
    void entry_actions() override;
    void do_actions() override;
    State* check_conditions() override;
    void update_target();
};

// Reaction delay, in sub-steps of continuous danger, of a keeper of the given skill.
double keeper_reaction_sub_steps(int skill_keeper);

// The save the keeper chooses for a ball crossing his line `dx` to the side at
// height `h`, `t` sub-steps ahead; null to stay. Sets his thrusts and facing.
State* choose_save(t_player& keeper, double dx, double h, int t);
