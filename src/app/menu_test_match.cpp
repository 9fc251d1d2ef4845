#include "app/menu_test_match.hpp"

#include <memory>
#include <string>

#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/menu_status.hpp"
#include "core/screen_modes.hpp"
#include "core/settings.hpp"
#include "football/team.hpp"
#include "football/team_file.hpp"
#include "ui/menu.hpp"

namespace {
constexpr int HOME_NUMBER = 338;
constexpr int AWAY_NUMBER = 317;
constexpr int HOME_DEVICE = 1;
constexpr int NO_DEVICE = -1;

t_team_ref custom_team(int number, int control, int dev) {
    auto team = std::make_shared<t_team>();
    team->ext = "cus";
    team->number = number;
    load_team(*team);
    team->control = control;
    team->dev = dev;
    return team;
}
} // namespace

MenuTestMatch::MenuTestMatch() {
    match_teams[0] = custom_team(HOME_NUMBER, CONTROL_PLAYER, HOME_DEVICE);
    match_teams[1] = custom_team(AWAY_NUMBER, CONTROL_COMPUTER, NO_DEVICE);
    menu.status = STATUS_FRIENDLY;
    settings.music_vol = 0;
}

void MenuTestMatch::update() { action_queue->push(ACTION_NEW_SCREEN, MODE_MATCH_PRESENTATION); }
