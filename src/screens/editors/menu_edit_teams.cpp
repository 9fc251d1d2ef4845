#include "screens/editors/menu_edit_teams.hpp"

#include "core/dictionary.hpp"
#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/loaders.hpp"
#include "core/menu_status.hpp"
#include "core/screen_modes.hpp"
#include "football/selected_teams.hpp"
#include "ui/menu_toolkit.hpp"
#include "ui/menu.hpp"

MenuEditTeams::MenuEditTeams() {
    menu.status = STATUS_EDITING;
    img_background = load_image_from("images/backgrounds", "menu_edit.jpg", 0);
    add_caption(*this, EDIT_BROWN, 312, 40, 400, 40, translate("EDIT TEAMS"));
    selected_widget = add_action_button(*this, CHOICE_GREEN, 342, 315, 340, 40, translate("CLUB TEAMS"), "bc_club_teams", &MenuEditTeams::bc_club_teams);
    add_action_button(*this, CHOICE_GREEN, 342, 390, 340, 40, translate("NATIONAL TEAMS"), "bc_national_teams", &MenuEditTeams::bc_national_teams);
    add_action_button(*this, CHOICE_GREEN, 342, 465, 340, 40, translate("CUSTOM TEAMS"), "bc_custom_teams", &MenuEditTeams::bc_custom_teams);
    exit_widget = add_action_button(*this, EXIT_COLOURS, 422, 700, 180, 34, translate("EXIT"), "bc_set_menu", &t_game_mode::bc_set_menu, {std::to_string(MODE_MAIN_MENU)});
}

void MenuEditTeams::bc_club_teams() {
    selected_teams.clear();
    action_queue->push(ACTION_NEW_SCREEN, MODE_CLUBS_CONFEDERATION);
}

void MenuEditTeams::bc_national_teams() {
    selected_teams.clear();
    action_queue->push(ACTION_NEW_SCREEN, MODE_NATIONALS_CONFEDERATION);
}

void MenuEditTeams::bc_custom_teams() {
    selected_teams.clear();
    menu.confederation = 7;
    menu.division = 1;
    menu.extension = "cus";
    action_queue->push(ACTION_NEW_SCREEN, MODE_SELECT_TEAM_TO_EDIT);
}
