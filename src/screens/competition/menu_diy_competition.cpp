#include "screens/competition/menu_diy_competition.hpp"

#include "core/dictionary.hpp"
#include "core/screen_modes.hpp"
#include "screens/competition/competition_style.hpp"
#include "screens/friendly/team_selection.hpp"
#include "ui/menu.hpp"

MenuDiyCompetition::MenuDiyCompetition() {
    menu.status = STATUS_COMPETITION;
    use_competition_background(*this);
    add_competition_title(*this, translate("SELECT DIY COMPETITION TYPE"));
    t_button_ref league = add_button(*this, CHOICE_GREEN, 342, 300, 340, 40, translate("LEAGUE"));
    bind_screen_change(*this, *league, MODE_DESIGN_DIY_LEAGUE);
    t_button_ref cup = add_button(*this, CHOICE_GREEN, 342, 380, 340, 40, translate("CUP"));
    bind_screen_change(*this, *cup, MODE_DESIGN_DIY_CUP);
    add_caption(*this, CHOICE_GREY, 342, 460, 340, 40, translate("TOURNAMENT"));
    add_exit_button(*this, "bc_set_menu", &t_game_mode::bc_set_menu, {std::to_string(MODE_MAIN_MENU)}, 700);
    selected_widget = league;
}
