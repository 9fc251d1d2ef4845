#include "screens/competition/menu_select_squad_to_view.hpp"

#include <algorithm>

#include "core/dictionary.hpp"
#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "football/competition.hpp"
#include "screens/competition/competition_style.hpp"
#include "screens/friendly/team_selection.hpp"

namespace {
constexpr int GRID_LIMIT = 24;
constexpr int WIDE_COLUMNS = 4;
constexpr int WIDE_W = 230;
constexpr int WIDE_GAP = 10;
constexpr int WIDE_TOP = 110;
constexpr int WIDE_ROOM = 570;
} // namespace

std::vector<t_squad_place> squad_grid(int n) {
    std::vector<t_squad_place> out;
    if (n <= GRID_LIMIT) {
        for (const t_grid_place& g : team_grid(n)) out.push_back({g.x, g.y, 270, 30, false});
        return out;
    }
    // The cups of 32 and 64 teams need four columns in the small font to fit between title and exit.
    const int rows = (n + WIDE_COLUMNS - 1) / WIDE_COLUMNS;
    const int pitch = std::min(32, WIDE_ROOM / rows);
    const int left = 512 - (WIDE_COLUMNS * WIDE_W + (WIDE_COLUMNS - 1) * WIDE_GAP) / 2;
    for (int i = 0; i < n; ++i)
        out.push_back({left + (i / rows) * (WIDE_W + WIDE_GAP), WIDE_TOP + (i % rows) * pitch, WIDE_W, pitch - 2, true});
    return out;
}

MenuSelectSquadToView::MenuSelectSquadToView() {
    use_competition_background(*this);
    add_competition_title(*this, translate("SELECT SQUAD TO VIEW"));
    if (competition) {
        const std::vector<t_team_ref>& teams = competition->teams;
        const std::vector<t_squad_place> places = squad_grid(static_cast<int>(teams.size()));
        for (size_t i = 0; i < teams.size(); ++i) {
            const t_squad_place& p = places[i];
            t_button_ref b = add_button(*this, control_colours(teams[i]->control), p.x, p.y, p.w, p.h, teams[i]->name,
                                        p.small ? SMALL_FONT : LARGE_FONT);
            bind_callback(*b, "fire1_down", "bc_team", &MenuSelectSquadToView::bc_team, {std::to_string(i), teams[i]->name});
            if (static_cast<int>(i) == competition->team_to_view || !selected_widget) selected_widget = b;
        }
    }
    t_button_ref exit = add_exit_button(*this, "bc_set_menu", &t_game_mode::bc_set_menu, {std::to_string(MODE_VIEW_STATISTICS)}, 700);
    if (!selected_widget) selected_widget = exit;
}

void MenuSelectSquadToView::bc_team(int index, const std::string& /*name*/) {
    if (!competition || index < 0 || index >= static_cast<int>(competition->teams.size())) return;
    competition->team_to_view = index;
    action_queue->push(ACTION_NEW_SCREEN, MODE_VIEW_TEAM);
}
