#include "screens/competition/menu_view_statistics.hpp"

#include "core/dictionary.hpp"
#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "football/competition.hpp"
#include "screens/competition/competition_style.hpp"

namespace {
bool is_cup() { return competition && competition->typ == COMPETITION_CUP; }
} // namespace

MenuViewStatistics::MenuViewStatistics() {
    use_competition_background(*this);
    add_competition_title(*this, translate("STATISTICS"));
    t_button_ref scorers = add_button(*this, CHOICE_GREEN, 342, 260, 340, 40, translate("HIGHEST SCORER LIST"));
    bind_screen_change(*this, *scorers, MODE_TOP_SCORERS);
    bind_fire(*this, *add_button(*this, CHOICE_GREEN, 342, 340, 340, 40, translate("COMPETITION INFO")), "bc_competition_info", &MenuViewStatistics::bc_competition_info);
    bind_screen_change(*this, *add_button(*this, CHOICE_GREEN, 342, 420, 340, 40, translate("VIEW SQUADS")),
                       MODE_SELECT_SQUAD_TO_VIEW);
    add_exit_button(*this, "bc_exit", &MenuViewStatistics::bc_exit, {}, 700);
    selected_widget = scorers;
}

void MenuViewStatistics::bc_competition_info() {
    action_queue->push(ACTION_NEW_SCREEN, is_cup() ? MODE_CUP_INFO : MODE_LEAGUE_INFO);
}

void MenuViewStatistics::bc_exit() { action_queue->push(ACTION_NEW_SCREEN, is_cup() ? MODE_PLAY_CUP : MODE_PLAY_LEAGUE); }
