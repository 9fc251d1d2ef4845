#include "match/overlays/overlay_signs.hpp"

#include <algorithm>

#include "core/fonts.hpp"
#include "core/globals.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "match/overlays/hud_message.hpp"
#include "match/overlays/match_overlays.hpp"
#include "match/overlays/overlay_backing.hpp"
#include "platform/graphics.hpp"

namespace {
constexpr int OWN_GOAL = 1;
constexpr int BANNER_TOP_DIVISOR = 5; // a fifth of the way down: clear of the score panel and the clock
constexpr int BANNER_PADDING = 16;
constexpr int LARGE_LINE = 28;
constexpr int SMALL_LINE = 20;
constexpr int SIGN_W = 300;
constexpr int SIGN_H = 70;

float fl(int v) { return static_cast<float>(v); }

std::string team_name(size_t index) { return match_teams[index] ? match_teams[index]->name : std::string(); }
} // namespace

t_goal_banner goal_banner(const t_goal& goal) {
    t_goal_banner b;
    b.title = hud_text(goal.typ == OWN_GOAL ? "OWN GOAL" : "GOAL");
    if (goal.player) b.scorer = player_caption(*goal.player) + " " + std::to_string(goal.mnt) + "'";
    b.score = team_name(0) + "  " + std::to_string(match_stats[0].goal) + " - " + std::to_string(match_stats[1].goal) +
              "  " + team_name(1);
    return b;
}

void draw_goal_banner() {
    if (goals.empty()) return;
    const t_goal_banner b = goal_banner(goals.back());
    const int w = std::max({text_width(b.title, 14), text_width(b.scorer, 10), text_width(b.score, 14)}) +
                  2 * BANNER_PADDING;
    const int h = 2 * LARGE_LINE + SMALL_LINE + BANNER_PADDING;
    const int cx = screen_w / 2;
    const int top = screen_h / BANNER_TOP_DIVISOR;
    draw_overlay_backing(cx - w / 2, top, w, h);
    int y = top + BANNER_PADDING / 2;
    draw_text_14(b.title, fl(cx), fl(y), font_14, 0);
    y += LARGE_LINE;
    draw_text_10(b.scorer, fl(cx), fl(y), font_10, 0);
    y += SMALL_LINE;
    draw_text_14(b.score, fl(cx), fl(y), font_14, 0);
}

void draw_paused_sign() {
    const int x = (screen_w - SIGN_W) / 2;
    const int y = (screen_h - SIGN_H) / 2;
    draw_overlay_backing(x, y, SIGN_W, SIGN_H);
    draw_text_14(hud_text("PAUSED"), fl(screen_w / 2), fl(y + 10), font_14, 0);
    draw_text_10(hud_text("P OR FIRE: CONTINUE"), fl(screen_w / 2), fl(y + 42), font_10, 0);
}
