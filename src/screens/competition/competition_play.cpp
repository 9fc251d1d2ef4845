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

std::string winner_caption(const std::string& team_name) { return translate("WINNER") + ": " + team_name; }

t_play_screen::t_play_screen(int own_mode) : own_mode_(own_mode) {
    music_muted = 0;
    menu.status = STATUS_COMPETITION;
    use_competition_background(*this);
}

void t_play_screen::add_buttons(const t_match* match) {
    if (match) {
        const bool shown = menu.show_result == 1;
        w_next_match = add_button(*this, READY_GREEN, 82, 700, 460, 34, translate("NEXT MATCH"));
        bind_callback(*w_next_match, "fire1_down", "bc_next_match", &t_play_screen::bc_next_match);
        bind_callback(*w_next_match, "fire1_hold", "bc_next_match", &t_play_screen::bc_next_match);
        w_next_match->visible = shown ? 1 : 0;

        const t_match_buttons captions = match_buttons(has_human(*match));
        w_play_match = add_button(*this, CHOICE_GREEN, 82, 700, 220, 34, captions.match);
        bind_callback(*w_play_match, "fire1_down", "bc_play_view_match", &t_play_screen::bc_play_view_match);
        w_view_result = add_button(*this, CHOICE_GREEN, 322, 700, 220, 34, captions.result);
        bind_callback(*w_view_result, "fire1_down", "bc_view_result", &t_play_screen::bc_view_result);
        if (captions.result_repeats) bind_callback(*w_view_result, "fire1_hold", "bc_view_result", &t_play_screen::bc_view_result);
        w_play_match->visible = w_view_result->visible = shown ? 0 : 1;
    }
    w_stats = add_button(*this, COMPETITION_GREEN, 562, 700, 180, 34, translate("STATS"));
    bind_screen_change(*this, *w_stats, MODE_VIEW_STATISTICS);
    w_exit = add_button(*this, EXIT_COLOURS, 762, 700, 180, 34, translate("EXIT"));
    exit_widget = w_exit;
    bind_screen_change(*this, *w_exit, MODE_MAIN_MENU);

    if (!match) selected_widget = w_stats;
    else if (menu.show_result == 1) selected_widget = w_next_match;
    else selected_widget = has_human(*match) ? w_play_match : w_view_result;
}

void t_play_screen::add_winner_line() {
    const t_team_ref winner = competition ? competition_winner(*competition) : nullptr;
    if (winner) add_caption(*this, GOLD, 192, 652, 640, 38, winner_caption(winner->name));
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
