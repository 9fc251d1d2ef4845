#include "match/overlays/overlay_stats.hpp"

#include <cmath>

#include "core/dictionary.hpp"
#include "core/fonts.hpp"
#include "core/globals.hpp"
#include "match/core/match_state.hpp"
#include "platform/graphics.hpp"

namespace {
constexpr double AT_REST_SPEED = 0.000002;
// Dark boxes under full-white text: the panel reads over snow as well as over the night pitch.
constexpr float BOX_OPACITY = 0.55f;

float fl(double v) { return static_cast<float>(v); }

void draw_box(double x1, double y1, double x2, double y2) { draw_rect(fl(x1), fl(y1), fl(x2 - x1), fl(y2 - y1)); }

t_stats_row counter_row(int32_t t_stats::*field, const std::string& label) {
    return {std::to_string(match_stats[0].*field), label, std::to_string(match_stats[1].*field)};
}
} // namespace

int possession_percent(int home_poss, int away_poss) {
    const int total = home_poss + away_poss;
    return total > 0 ? home_poss * 100 / total : 50;
}

std::array<t_stats_row, STATS_ROWS> stats_rows() {
    const int p = possession_percent(match_stats[0].poss, match_stats[1].poss);
    const auto name = [](size_t i) { return match_teams[i] ? match_teams[i]->name : std::string(); };
    return {{
        {name(0), "", name(1)},
        counter_row(&t_stats::goal, "GOALS"),
        {std::to_string(p), "POSSESSION", std::to_string(100 - p)},
        counter_row(&t_stats::shot, "GOAL ATTEMPTS"),
        counter_row(&t_stats::cent, "ON TARGET"),
        counter_row(&t_stats::corn, "CORNERS WON"),
        counter_row(&t_stats::foul, "FOULS CONCEDED"),
        counter_row(&t_stats::yell, "BOOKINGS"),
        counter_row(&t_stats::reds, "SENDINGS OFF"),
    }};
}

bool camera_at_rest() { return std::sqrt(camera.vx * camera.vx + camera.vy * camera.vy) < AT_REST_SPEED; }

void draw_match_stats(int alpha) {
    const int w = screen_w;
    const int h = screen_h;
    const int blend = get_blend();
    set_blend(ALPHA_BLEND);
    set_alpha(BOX_OPACITY);
    set_color(0, 0, 0);
    draw_box(0.25 * w, h / 15 - 7, 0.75 * w, h / 15 + h / 20 + 7);
    for (int r = 0; r < STATS_ROWS; ++r) {
        const int top = h / 5 + r * (h / 11);
        draw_box(0.02 * w, top - 7, 0.98 * w, top + h / 22 + 7);
    }
    set_alpha(1);
    set_blend(blend);
    set_color(alpha, alpha, alpha);
    draw_text_14(translate("MATCH STATS"), fl(0.5 * w), fl(h / 15 + h / 44 - 9), font_14, 0);
    const std::array<t_stats_row, STATS_ROWS> rows = stats_rows();
    for (int r = 0; r < STATS_ROWS; ++r) {
        const t_stats_row& row = rows[static_cast<size_t>(r)];
        const float y = fl(h / 5 + h / 44 - 10 + r * (h / 11));
        draw_text_14(row.left, fl(0.2 * w), y, font_14, 0);
        if (!row.label.empty()) draw_text_14(translate(row.label), fl(0.5 * w), y, font_14, 0);
        draw_text_14(row.right, fl(0.8 * w), y, font_14, 0);
    }
}
