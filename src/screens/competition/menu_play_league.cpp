#include "screens/competition/menu_play_league.hpp"

#include <algorithm>

#include "core/dictionary.hpp"
#include "core/screen_modes.hpp"
#include "football/competition_save.hpp"
#include "screens/competition/competition_results.hpp"
#include "screens/competition/competition_rules.hpp"
#include "screens/competition/competition_style.hpp"
#include "screens/friendly/team_selection.hpp"
#include "ui/label.hpp"
#include "ui/menu.hpp"

namespace {
constexpr int FIRST_COLUMN = 460;
constexpr int COLUMN_PITCH = 60;
constexpr int MATCH_Y = 660;

std::shared_ptr<t_label> add_match_label(t_game_mode& screen, int x, int w, const std::string& text, int align) {
    auto l = add_label(screen, x, MATCH_Y, text, LARGE_FONT, align);
    l->set_size(w, 34);
    return l;
}
} // namespace

std::array<int, 7> table_figures(const t_team& t) {
    return {t.won + t.drawn + t.lost, t.won, t.drawn, t.lost, t.goals_for, t.goals_against, t.points};
}

t_league& MenuPlayLeague::league() { return static_cast<t_league&>(*competition); }

MenuPlayLeague::MenuPlayLeague() : t_play_screen(MODE_PLAY_LEAGUE) {
    t_league& l = league();
    mark_league_end(l);
    if (l.ended == 0) {
        match = &l.get_match();
        // The shown result follows the match itself, also after a restart or a match left early.
        menu.show_result = match->result ? 1 : 0;
    }
    save_competition_in_progress();

    add_competition_title(*this, l.get_menu_title());
    add_table(l);
    if (match) add_match_line(*match);
    else add_winner_line();
    add_buttons(match);
}

void MenuPlayLeague::add_table(const t_league& l) {
    const char* const headings[] = {"PL // code for: PLAYED MATCHES", "W // code for: WON MATCHES",
                                    "D // code for: DRAWN MATCHES",   "L // code for: LOST MATCHES",
                                    "F // code for: GOALS FOR",       "A // code for: GOALS AGAINST",
                                    "PTS // code for: POINTS"};
    for (int c = 0; c < 7; ++c)
        add_caption(*this, NO_COLOURS, FIRST_COLUMN + COLUMN_PITCH * c, TABLE_TOP - 23, 62, 21,
                    translate(headings[c]), SMALL_FONT);
    const std::vector<t_team_ref> table = l.table();
    const int pitch = table_row_pitch(static_cast<int>(table.size()));
    const int h = std::min(24, pitch - 1);
    for (size_t i = 0; i < table.size(); ++i) {
        const t_team& t = *table[i];
        const int y = TABLE_TOP + pitch * static_cast<int>(i);
        add_caption(*this, TABLE_GREY, 100, y, 36, h, std::to_string(i + 1), SMALL_FONT);
        add_caption(*this, control_colours(t.control), 140, y, 322, h, t.name, SMALL_FONT, ALIGN_LEFT);
        const std::array<int, 7> figures = table_figures(t);
        for (int c = 0; c < 7; ++c)
            add_caption(*this, TABLE_GREY, FIRST_COLUMN + COLUMN_PITCH * c, y, 62, h,
                        std::to_string(figures[static_cast<size_t>(c)]), SMALL_FONT);
    }
}

void MenuPlayLeague::add_match_line(const t_match& m) {
    const bool played = menu.show_result == 1 && m.result;
    add_match_label(*this, 110, 322, m.teams[0]->name, ALIGN_RIGHT);
    add_match_label(*this, 442, 40, played ? std::to_string((*m.result)[0]) : "", ALIGN_CENTRE);
    add_match_label(*this, 492, 40, played ? "-" : translate("V // code for: VERSUS"), ALIGN_CENTRE);
    add_match_label(*this, 542, 40, played ? std::to_string((*m.result)[1]) : "", ALIGN_CENTRE);
    add_match_label(*this, 592, 322, m.teams[1]->name, ALIGN_LEFT);
}

void MenuPlayLeague::advance() { league().next_match(); }

void MenuPlayLeague::produce_result() { view_league_result(league()); }
