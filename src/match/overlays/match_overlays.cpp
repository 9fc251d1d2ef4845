#include "match/overlays/match_overlays.hpp"

#include <string>

#include "core/fonts.hpp"
#include "core/globals.hpp"
#include "match/overlays/hud_message.hpp"
#include "match/core/match_helpers.hpp"
#include "match/draw/match_images.hpp"
#include "match/core/match_mode.hpp"
#include "match/core/match_state.hpp"
#include "match/overlays/overlay_backing.hpp"
#include "match/overlays/overlay_cell.hpp"
#include "match/overlays/overlay_clock.hpp"
#include "match/overlays/overlay_score.hpp"
#include "match/overlays/overlay_shootout.hpp"
#include "match/overlays/overlay_signs.hpp"
#include "match/core/function_keys.hpp"
#include "match/overlays/overlay_stats.hpp"
#include "platform/graphics.hpp"

namespace {
constexpr int BLINK_CYCLE = 160;
constexpr int BLINK_SHOWN_AFTER = 80;
constexpr int VANE_CELL = 30;

void draw_caption(const t_player& p) {
    const std::string caption = player_caption(p);
    draw_text_backing(caption, 10, 1, 10, 1);
    draw_text_10(caption, 10, 1, font_10, 1);
}

void draw_ball_owner() {
    const int team = team_of(ball.owner);
    if (team < 0) return;
    const t_player_ref& controlled = team_at(team).controlled;
    if (controlled) draw_caption(*controlled);
}

void draw_goal_scorer() {
    if (replay_frame % BLINK_CYCLE > BLINK_SHOWN_AFTER && ball.owner_last) draw_caption(*ball.owner_last);
}

void draw_wind_vane() {
    if (wind.speed <= 0) return;
    draw_overlay_cell(match_images.wind_vane, {VANE_CELL * wind.dir, VANE_CELL * wind.speed - VANE_CELL, VANE_CELL,
                                               VANE_CELL, screen_w - 50, 20});
}
} // namespace

std::string player_caption(const t_player& player) {
    return std::to_string(player.nr) + " " + player.get_single_name();
}

void draw_match_overlays(const t_match_mode& phase) {
    set_origin(0, 0);
    set_color(fade_level, fade_level, fade_level);
    if (phase.display_ball_owner != 0) draw_ball_owner();
    if (phase.display_goal_scorer != 0) draw_goal_scorer();
    if (phase.display_time != 0) draw_match_time();
    if (phase.display_wind_vane != 0) draw_wind_vane();
    if (phase.display_score != 0) draw_score_panel();
    set_color(fade_level, fade_level, fade_level);
    draw_hud_message();
    if (phase.display_statistics != 0 && camera_at_rest()) draw_match_stats(fade_level);
    if (phase.display_goal_scorer != 0) draw_goal_banner();
    draw_shootout_tally();
    if (match_paused()) draw_paused_sign();
}
