#include "screens/competition/menu_competition_info.hpp"

#include "core/dictionary.hpp"
#include "core/screen_modes.hpp"
#include "football/cup.hpp"
#include "football/league.hpp"
#include "screens/competition/competition_rules.hpp"
#include "screens/competition/competition_style.hpp"
#include "screens/competition/menu_design_diy_cup.hpp"

namespace {
constexpr int ROW_PITCH = 45;

void add_pair(t_game_mode& screen, int x, int caption_w, int value_w, int y, const std::string& caption,
              const std::string& value) {
    add_row_caption(screen, x, y, caption_w, 34, caption);
    add_caption(screen, VALUE_BLUE_B, x + caption_w + 10, y, value_w, 34, value);
}

void add_exit(t_game_mode& screen) {
    screen.selected_widget = add_exit_button(screen, "bc_set_menu", &t_game_mode::bc_set_menu, {std::to_string(MODE_VIEW_STATISTICS)}, 700);
}
} // namespace

std::string season_caption(const t_competition& comp) {
    if (comp.byseason == 1) return month_abbreviation(comp.season_start) + " - " + month_abbreviation(comp.season_end);
    return pitch_type_names[static_cast<size_t>(std::clamp(comp.pitch_type, 0, PITCH_RANDOM))];
}

MenuLeagueInfo::MenuLeagueInfo() {
    use_competition_background(*this);
    const auto* league = dynamic_cast<const t_league*>(competition.get());
    add_competition_title(*this, league ? league->name : "");
    if (league) {
        const std::pair<std::string, std::string> rows[] = {
            {translate("TIME"), league->get_time_label()},
            {translate("NUMBER OF TEAMS"), std::to_string(league->number_of_teams)},
            {translate("PLAY EACH TEAM"), times_caption(league->rounds)},
            {translate("POINTS FOR A WIN"), std::to_string(league->points_for_a_win)},
            {translate("SUBSTITUTES"), std::to_string(league->substitutions)},
            {translate("BENCH SIZE"), std::to_string(league->bench_size)},
            {league->get_byseason_label(), season_caption(*league)},
        };
        int y = 150;
        for (const auto& [caption, value] : rows) {
            add_pair(*this, 142, 440, 260, y, caption, value);
            y += ROW_PITCH;
        }
    }
    add_exit(*this);
}

MenuCupInfo::MenuCupInfo() {
    use_competition_background(*this);
    const auto* cup = dynamic_cast<const t_cup*>(competition.get());
    add_competition_title(*this, cup ? cup->name : "");
    if (cup) {
        add_pair(*this, 42, 220, 180, 101, cup->get_byseason_label(), season_caption(*cup));
        if (any_two_legs(*cup)) add_pair(*this, 472, 218, 272, 101, translate("AWAY GOALS"), cup->get_away_goals_label());
        add_pair(*this, 42, 230, 170, 144, translate("TIME"), cup->get_time_label());
        add_pair(*this, 42, 230, 170, 187, translate("ROUNDS"), std::to_string(cup->rounds));
        add_pair(*this, 482, 320, 160, 144, translate("SUBSTITUTES"), std::to_string(cup->substitutions));
        add_pair(*this, 482, 320, 160, 187, translate("BENCH SIZE"), std::to_string(cup->bench_size));
        add_label(*this, 307, 296, translate("TEAMS"), SMALL_FONT, ALIGN_CENTRE);
        add_label(*this, 607, 296, translate("DESCRIPTION"), SMALL_FONT, ALIGN_CENTRE);
        for (int i = 0; i < cup->rounds; ++i) {
            const int y = cup_round_row_y(i);
            const t_round& r = cup->round[static_cast<size_t>(i)];
            const t_colours row = i == cup->current_round && cup->ended == 0 ? CHOICE_GREEN : CAPTION_RED;
            add_caption(*this, row, 42, y, 230, 30, r.name, SMALL_FONT);
            add_caption(*this, VALUE_BLUE_A, 282, y, 50, 30, std::to_string(r.teams), SMALL_FONT);
            add_caption(*this, VALUE_BLUE_B, 342, y, 130, 30, cup->get_legs_label(i), SMALL_FONT);
            add_caption(*this, VALUE_BLUE_B, 477, y, 260, 30, cup->get_extra_time_label(i), SMALL_FONT);
            add_caption(*this, VALUE_BLUE_B, 742, y, 230, 30, cup->get_penalties_label(i), SMALL_FONT);
        }
    }
    add_exit(*this);
}
