#include "match/bench/bench_substitutions.hpp"

#include "core/dictionary.hpp"
#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "core/settings.hpp"
#include "football/match_settings.hpp"
#include "football/team.hpp"
#include "match/bench/bench_enter.hpp"
#include "match/bench/bench_lineup.hpp"
#include "match/bench/bench_panel.hpp"
#include "match/bench/bench_simulation.hpp"
#include "match/core/function_keys.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "platform/timer.hpp"

namespace {
constexpr int TITLE_TEXT_DY = 2;
constexpr int PICTURE_DX = 84;
constexpr int PICTURE_DY = 40;
constexpr int LIST_DY = 125;
constexpr int CENTRED = 0;

int panel_x0() { return screen_w / 3 + 2; }
int panel_y0() { return static_cast<int>(0.5 * screen_h - 100 + 2); }
} // namespace

t_match_bench_substitutions::t_match_bench_substitutions()
    : t(bench_status.team), bench_size(match_settings.bench_size), controls_(bench_status.team) {
    bench_status.selected_pos = 0;
    bench_status.for_subs = 0;
}

void t_match_bench_substitutions::update() {
    if (handle_function_keys()) return;
    controls_.read();
    bench_sub_steps(camera_towards(1, bench_status.target_x, 1, bench_status.target_y), true);
    if (const int step = controls_.vertical_release(); step != 0) {
        if (team_at(t).subs_count < match_settings.substitutions)
            bench_status.selected_pos = rotate_value(bench_status.selected_pos, 0, bench_size, step);
        highlight_bench_row(t, bench_size, bench_status.selected_pos);
    }
    if (controls_.fire1_released()) {
        if (bench_status.selected_pos == 0) {
            open_phase(MODE_MATCH_BENCH_FORMATION);
            return;
        }
        if (bench_status.for_subs == 0) {
            choose_substitute();
            return;
        }
    }
    if (controls_.back()) open_phase(MODE_MATCH_BENCH_EXIT);
}

void t_match_bench_substitutions::choose_substitute() {
    const int slot = ON_PITCH_SLOTS + bench_status.selected_pos;
    // An empty place or a player already taken off cannot come on: the panel stays as it is.
    if (slot > last_bench_slot(t, bench_size)) return;
    const t_player& chosen = squad_player(t, slot);
    if (chosen.status == STATUS_SUBSTITUTED) return;
    sit_down_waiting_players(t, bench_size);
    send_to_touchline(t, slot);
    bench_status.for_subs = slot;
    bench_status.selected_pos = team_at(t).easy_subs(chosen.pt);
    open_phase(MODE_MATCH_BENCH_FORMATION);
}

void t_match_bench_substitutions::render() {
    t_match_mode::render();
    draw_bench_players();
}

void t_match_bench_substitutions::draw_bench_players() {
    const int x0 = panel_x0();
    const int y0 = panel_y0();
    const long ms = millisecs();
    const int list_y = y0 + LIST_DY;
    const bool on_title = bench_status.selected_pos == 0;
    fill_panel_row(x0, y0, PANEL_W, PANEL_TITLE_H, on_title ? pulse_colour(ROW_GREY, PULSE_BLUE_LIGHT, ms) : ROW_GREY);
    for (int row = 1; row <= bench_size; ++row) {
        const bool cursor = bench_status.selected_pos == row;
        fill_panel_row(x0, list_y + PANEL_ROW_H * (row - 1), PANEL_W, PANEL_ROW_H,
                       cursor ? pulse_colour(ROW_GREY, PULSE_BLUE_LIGHT, ms) : ROW_GREY);
    }
    draw_panel_box(x0, y0, PANEL_W, PANEL_TITLE_H);
    draw_panel_box(x0, list_y, PANEL_W, PANEL_ROW_H * bench_size);
    draw_panel_text(translate("BENCH"), x0 + PANEL_W / 2, y0 + TITLE_TEXT_DY, CENTRED);
    draw_panel_picture(picture_, 0, x0 + PICTURE_DX, y0 + PICTURE_DY);
    const int last = last_bench_slot(t, bench_size);
    for (int slot = FIRST_BENCH_SLOT; slot <= last; ++slot) {
        const t_player& p = squad_player(t, slot);
        if (p.status != STATUS_SUBSTITUTED) draw_player_row(p, x0, list_y + PANEL_ROW_H * (slot - FIRST_BENCH_SLOT));
    }
}
