#include "match/overlays/overlay_clock.hpp"

#include "match/core/match_helpers.hpp"
#include "match/draw/match_images.hpp"

namespace {
constexpr int DIGIT_W = 12;
constexpr int DIGIT_H = 20;
constexpr int LABEL_SX = 120;
constexpr int LABEL_W = 48;
constexpr int ROW_Y = 22;

t_overlay_cell digit(int d, int x) { return {DIGIT_W * d, 0, DIGIT_W, DIGIT_H, x, ROW_Y}; }
} // namespace

std::vector<t_overlay_cell> clock_cells(int minute) {
    std::vector<t_overlay_cell> cells{{LABEL_SX, 0, LABEL_W, DIGIT_H, 46, ROW_Y}, digit(minute % 10, 34)};
    if (minute >= 10) cells.push_back(digit(minute / 10 % 10, 22));
    if (minute >= 100) cells.push_back(digit(minute / 100 % 10, 10));
    return cells;
}

void draw_match_time() {
    for (const t_overlay_cell& c : clock_cells(match_minute())) draw_overlay_cell(match_images.time_digits, c);
}
