#include "screens/competition/menu_top_scorers.hpp"

#include "core/dictionary.hpp"
#include "core/screen_modes.hpp"
#include "football/competition.hpp"
#include "screens/competition/competition_rules.hpp"
#include "screens/competition/competition_style.hpp"

namespace {
constexpr int LINE_H = 22;
} // namespace

MenuTopScorers::MenuTopScorers() {
    use_competition_background(*this);
    add_caption(*this, COMPETITION_GREEN, 312, 40, 400, 40, translate("HIGHEST SCORER LIST"));

    const t_scorer_list list = competition ? scorer_list(competition->teams) : t_scorer_list{};
    std::vector<t_widget_ref> lines;
    for (const t_scorer_line& s : list.lines) {
        const int y = LINE_H * s.line;
        if (s.header) {
            lines.push_back(add_caption(*this, SCORER_GREEN, 392, y, 240, LINE_H, std::to_string(s.goals), SMALL_FONT));
            continue;
        }
        lines.push_back(add_caption(*this, SCORER_NAME, 392, y, 240, LINE_H, s.name, SMALL_FONT));
        auto team = add_label(*this, 642, y, " (" + s.team + ")", SMALL_FONT, ALIGN_LEFT);
        team->set_size(0, LINE_H);
        lines.push_back(team);
    }
    const int shift = scorer_shift(list.count);
    for (const t_widget_ref& w : lines) w->y += shift;

    selected_widget = add_exit_button(*this, "bc_set_menu", &t_game_mode::bc_set_menu, {std::to_string(MODE_VIEW_STATISTICS)}, 700);
}
