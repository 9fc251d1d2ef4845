#include "match/keeper/keeper_states.hpp"

#include "football/player.hpp"
#include "match/core/match_state.hpp"

namespace {
template <class T>
std::shared_ptr<State> made_for(t_player& player) {
    auto state = std::make_shared<T>();
    state->init(player);
    return state;
}
} // namespace

void init_player_brain(t_player& player) {
    player.brain = std::make_shared<StateMachine>();
    player.state_stand_run = made_for<PlayerStateStandRun>(player);
    player.state_positioning = made_for<KeeperStatePositioning>(player);
    player.state_diving_low_single = made_for<KeeperStateDivingLowSingle>(player);
    player.state_diving_low_double = made_for<KeeperStateDivingLowDouble>(player);
    player.state_diving_middle_one = made_for<KeeperStateDivingMiddleOne>(player);
    player.state_diving_middle_two = made_for<KeeperStateDivingMiddleTwo>(player);
    player.state_diving_high_one = made_for<KeeperStateDivingHighOne>(player);
    player.state_catching_high = made_for<KeeperStateCatchingHigh>(player);
    for (const auto& state : {player.state_stand_run, player.state_positioning, player.state_diving_low_single,
                              player.state_diving_low_double, player.state_diving_middle_one,
                              player.state_diving_middle_two, player.state_diving_high_one,
                              player.state_catching_high})
        player.brain->add_state(state);
}

void take_up_role_of_slot(t_player& player, int slot) {
    if (player.brain) player.brain->set_state(slot == GOALKEEPER_SLOT ? "state_positioning" : "state_stand_run");
}
