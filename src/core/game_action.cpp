#include "core/game_action.hpp"

std::string t_game_action::to_string() const {
    return "Type: " + std::to_string(typ) + "\tMode: " + std::to_string(mode);
}

void t_game_action_queue::push(int32_t typ, int32_t mode) {
    auto action = std::make_shared<t_game_action>();
    action->set_type(typ, mode);
    actions_.push_back(action);
}

t_game_action_ref t_game_action_queue::pop() {
    if (actions_.empty()) return nullptr;
    t_game_action_ref a = actions_.front();
    actions_.pop_front();
    return a;
}

std::string t_game_action_queue::to_string() const {
    std::string s;
    for (const auto& a : actions_) s += "ACTION: " + a->to_string() + "\n";
    return s;
}
