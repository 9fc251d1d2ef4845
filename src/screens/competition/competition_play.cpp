#include "screens/competition/competition_play.hpp"

#include "core/dictionary.hpp"
#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "football/competition.hpp"
#include "screens/competition/competition_rules.hpp"
#include "screens/competition/competition_style.hpp"
#include "screens/friendly/team_selection.hpp"
#include "ui/menu.hpp"

namespace {
constexpr t_colours WINNER_COLOURS{0xBA9206, 0xE9B607, 0x6A5304};
} // namespace

std::string winner_caption(const std::string& team_name) { return translate("WINNER") + ": " + team_name; }

t_play_screen::t_play_screen(int own_mode) : own_mode_(own_mode) {
    define_void_method("bc_next_match", [this] { bc_next_match(); });
    define_void_method("bc_view_result", [this] { bc_view_result(); });
    define_void_method("bc_play_view_match", [this] { bc_play_view_match(); });
    music_muted = 0;
    menu.status = STATUS_COMPETITION;
    use_competition_background(*this);
}

void t_play_screen::add_buttons(const t_match* match) {
    if (match) {
        const bool shown = menu.show_result == 1;
        w_next_match = add_button(widgets, NEXT_GREEN, 82, 700, 460, 34, translate("NEXT MATCH"));
        w_next_match->bind("fire1_down", "bc_next_match");
        w_next_match->bind("fire1_hold", "bc_next_match");
        w_next_match->visible = shown ? 1 : 0;

        const t_match_buttons captions = match_buttons(has_human(*match));
        w_play_match = add_button(widgets, CHOICE_GREEN, 82, 700, 220, 34, captions.match);
        w_play_match->bind("fire1_down", "bc_play_view_match");
        w_view_result = add_button(widgets, CHOICE_GREEN, 322, 700, 220, 34, captions.result);
        w_view_result->bind("fire1_down", "bc_view_result");
        if (captions.result_repeats) w_view_result->bind("fire1_hold", "bc_view_result");
        w_play_match->visible = w_view_result->visible = shown ? 0 : 1;
    }
    w_stats = add_button(widgets, COMPETITION_COLOURS, 562, 700, 180, 34, translate("STATS"));
    w_stats->bind("fire1_down", "bc_set_menu", {std::to_string(MODE_VIEW_STATISTICS)});
    w_exit = add_button(widgets, EXIT_COLOURS, 762, 700, 180, 34, translate("EXIT"));
    w_exit->bind("fire1_down", "bc_set_menu", {std::to_string(MODE_MAIN_MENU)});

    if (!match) selected_widget = w_stats;
    else if (menu.show_result == 1) selected_widget = w_next_match;
    else selected_widget = has_human(*match) ? w_play_match : w_view_result;
}

void t_play_screen::add_winner_line() {
    const t_team_ref winner = competition ? competition_winner(*competition) : nullptr;
    if (winner) add_caption(widgets, WINNER_COLOURS, 192, 652, 640, 38, winner_caption(winner->name));
}

void t_play_screen::bc_next_match() {
    if (!competition || competition->ended != 0) return;
    const t_match* m = current();
    if (!m || !m->result) return;
    advance();
    menu.show_result = 0;
    action_queue->push(ACTION_NEW_SCREEN, own_mode_);
}

void t_play_screen::bc_view_result() {
    t_match* m = current();
    if (!competition || !m) return;
    // A result is produced once; the screen shows it until NEXT MATCH.
    if (!m->result) {
        if (has_human(*m)) competition->user_prefers_result = 1;
        produce_result();
    }
    menu.show_result = 1;
    action_queue->push(ACTION_NEW_SCREEN, own_mode_);
}

void t_play_screen::bc_play_view_match() {
    t_match* m = current();
    if (!competition || !m || m->result) return;
    competition->user_prefers_result = 0;
    match_teams = {m->teams[0], m->teams[1]};
    const t_route r = friendly_route(m->teams[0]->control, m->teams[1]->control);
    menu.team_to_set = r.team_to_set;
    action_queue->push(ACTION_NEW_SCREEN, r.mode);
}
