#include "football/selected_teams.hpp"

#include <algorithm>

std::vector<t_team_ref> selected_teams;

namespace {
auto find_selected(const std::string& ext, int number) {
    return std::find_if(selected_teams.begin(), selected_teams.end(),
                        [&](const t_team_ref& t) { return t->ext == ext && t->number == number; });
}
} // namespace

int select_team(const std::string& ext, int number, const std::string& name) {
    const auto it = find_selected(ext, number);
    if (it == selected_teams.end()) {
        auto stub = std::make_shared<t_team>();
        stub->ext = ext;
        stub->number = number;
        stub->name = name;
        stub->control = CONTROL_COMPUTER;
        stub->dev = -1;
        selected_teams.push_back(stub);
        return CONTROL_COMPUTER;
    }
    if ((*it)->control >= CONTROL_COACH) {
        selected_teams.erase(it);
        return 0;
    }
    return ++(*it)->control;
}

int selected_control(const std::string& ext, int number) {
    const auto it = find_selected(ext, number);
    return it == selected_teams.end() ? 0 : (*it)->control;
}
