#include "match/core/state_machine.hpp"

#include <iostream>

std::string State::ToString() const {
    std::cout << name << ":" << timer << "\n";
    return {};
}

void StateMachine::think() {
    if (!active_state) return;
    active_state->do_actions();
    if (const State* next = active_state->check_conditions()) set_state(next->name);
}

void StateMachine::set_state(const std::string& wanted) {
    if (wanted.empty()) {
        active_state = nullptr;
        return;
    }
    if (active_state) active_state->exit_actions();
    State* found = nullptr;
    for (const auto& state : states) {
        if (state->check_name(wanted)) {
            found = state.get();
            state->entry_actions();
        }
    }
    if (found) {
        active_state = found;
    } else {
        std::cout << "Warning! Cannot find state: " << wanted << "\n";
    }
}
