#include "match/overlays/overlay_score.hpp"

#include <algorithm>

#include "core/fonts.hpp"
#include "core/globals.hpp"
#include "match/overlays/overlay_backing.hpp"
#include "match/overlays/overlay_flag.hpp"
#include "match/draw/match_images.hpp"
#include "match/core/match_state.hpp"
#include "match/overlays/scorers_text.hpp"
#include "platform/graphics.hpp"

namespace {
constexpr int DIGIT_W = 24;
constexpr int DIGIT_H = 36;
constexpr int SEPARATOR_SX = 240;
constexpr int LINE_H = 14;

t_overlay_cell digit(int d, int x, int y) { return {DIGIT_W * d, 0, DIGIT_W, DIGIT_H, x, y}; }

float fl(int v) { return static_cast<float>(v); }

void draw_rules(int w, int g) {
    const int half = w / 2;
    set_color(fade_level, fade_level, fade_level);
    for (int y = g; y <= g + 1; ++y) {
        draw_line(10, fl(y), fl(half - 13), fl(y));
        draw_line(fl(half + 12), fl(y), fl(w - 11), fl(y));
    }
    set_color(0, fade_level / 10, 0);
    for (int y = g + 2; y <= g + 3; ++y) {
        draw_line(12, fl(y), fl(half - 11), fl(y));
        draw_line(fl(half + 14), fl(y), fl(w - 9), fl(y));
    }
    set_color(fade_level, fade_level, fade_level);
}
} // namespace

int text_lines(const std::string& text) {
    if (text.empty()) return 0;
    int n = 1;
    for (size_t p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n", p + 2)) ++n;
    return n;
}

int score_panel_top(int height, int home_flag_h, int away_flag_h, int lines) {
    const int f = std::max({home_flag_h, away_flag_h, LINE_H * lines});
    return height - (f + 16);
}

std::vector<t_overlay_cell> score_cells(int home, int away, int width, int top) {
    const int half = width / 2;
    const int y = top - 40;
    std::vector<t_overlay_cell> cells;
    const int home_tens = home / 10 % 10;
    if (home_tens > 0) cells.push_back(digit(home_tens, half - 63, y));
    cells.push_back(digit(home % 10, half - 39, y));
    cells.push_back({SEPARATOR_SX, 0, DIGIT_W, DIGIT_H, half - 9, y});
    const int away_tens = away / 10 % 10;
    if (away_tens > 0) {
        cells.push_back(digit(away_tens, half + 17, y));
        cells.push_back(digit(away % 10, half + 41, y));
    } else {
        cells.push_back(digit(away % 10, half + 17, y));
    }
    return cells;
}

void draw_score_panel() {
    if (!match_teams[0] || !match_teams[1]) return;
    t_team& home = *match_teams[0];
    t_team& away = *match_teams[1];
    prepare_match_flag(home);
    prepare_match_flag(away);
    const int w = screen_w;
    const int lines = std::max(text_lines(scorers_text[0]), text_lines(scorers_text[1]));
    const int g = score_panel_top(screen_h, image_height(home.clnf), image_height(away.clnf), lines);
    set_color(fade_level, fade_level, fade_level);
    draw_match_flag(home, 10, g + 8);
    draw_match_flag(away, w - image_width(away.clnf) - 10, g + 8);
    draw_text_backing(home.name, 10, g - 22, 14, 1);
    draw_text_backing(away.name, w - 8, g - 22, 14, -1);
    draw_text_14(home.name, 10, fl(g - 22), font_14, 1);
    draw_text_14(away.name, fl(w - 8), fl(g - 22), font_14, -1);
    draw_rules(w, g);
    for (const t_overlay_cell& c : score_cells(match_stats[0].goal, match_stats[1].goal, w, g))
        draw_overlay_cell(match_images.score_digits, c);
    draw_text_backing(scorers_text[0], w / 2 - 12, g + 4, 10, -1);
    draw_text_backing(scorers_text[1], w / 2 + 14, g + 4, 10, 1);
    draw_text_10(scorers_text[0], fl(w / 2 - 12), fl(g + 4), font_10, -1);
    draw_text_10(scorers_text[1], fl(w / 2 + 14), fl(g + 4), font_10, 1);
}
