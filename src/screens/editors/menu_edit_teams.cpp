#include "screens/editors/menu_edit_teams.hpp"

#include "core/dictionary.hpp"
#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/loaders.hpp"
#include "core/menu_status.hpp"
#include "core/screen_modes.hpp"
#include "football/selected_teams.hpp"
#include "screens/editors/widget_factory.hpp"
#include "ui/menu.hpp"

MenuEditTeams::MenuEditTeams() {
    define_void_method("bc_club_teams", [this] { bc_club_teams(); });
    define_void_method("bc_national_teams", [this] { bc_national_teams(); });
    define_void_method("bc_custom_teams", [this] { bc_custom_teams(); });
    menu.status = STATUS_EDITING;
    img_background = load_image_from("images/backgrounds", "menu_edit.jpg", 0);
    add_title(*this, EDIT_TITLE, 312, 40, 400, 40, translate("EDIT TEAMS"));
    selected_widget = add_button(*this, GREEN_BUTTON, 342, 315, 340, 40, translate("CLUB TEAMS"), "bc_club_teams");
    add_button(*this, GREEN_BUTTON, 342, 390, 340, 40, translate("NATIONAL TEAMS"), "bc_national_teams");
    add_button(*this, GREEN_BUTTON, 342, 465, 340, 40, translate("CUSTOM TEAMS"), "bc_custom_teams");
    add_button(*this, EXIT_BUTTON, 422, 700, 180, 34, translate("EXIT"),
               "bc_set_menu", {std::to_string(MODE_MAIN_MENU)});
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
