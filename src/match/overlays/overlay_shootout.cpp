#include "match/overlays/overlay_shootout.hpp"

#include <algorithm>
#include <string>

#include "core/fonts.hpp"
#include "core/globals.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "match/overlays/hud_message.hpp"
#include "match/overlays/match_overlays.hpp"
#include "match/overlays/overlay_backing.hpp"
#include "match/phases/phase_shootout.hpp"
#include "platform/graphics.hpp"

namespace {
constexpr int MARK = 12;
constexpr int MARK_STEP = 18;
constexpr int MOST_MARKS = 10;       // in a long sudden death only the latest kicks are shown
constexpr int PADDING = 12;
constexpr int TITLE_H = 24;
constexpr int ROW_H = 22;
constexpr int NAME_MARK_GAP = 14;
constexpr int TOP_MARGIN = 64; // under the clock, clear of the score panel at the foot
constexpr int SCORED_RGB[] = {60, 200, 70};
constexpr int MISSED_RGB[] = {215, 45, 40};
constexpr int TO_COME_RGB[] = {120, 120, 120};

float fl(int v) { return static_cast<float>(v); }

void set_rgb(const int (&rgb)[3]) {
    set_color(rgb[0] * fade_level / 255, rgb[1] * fade_level / 255, rgb[2] * fade_level / 255);
}

void draw_marks(int side, int x, int y) {
    const auto& kicks = shootout.tally.kicks(side);
    const int shown = std::max(static_cast<int>(kicks.size()), t_shootout_tally::KICKS);
    const int first = std::max(0, shown - MOST_MARKS);
    for (int k = first; k < shown; ++k) {
        const int mx = x + (k - first) * MARK_STEP;
        if (k < static_cast<int>(kicks.size())) {
            set_rgb(kicks[static_cast<size_t>(k)] ? SCORED_RGB : MISSED_RGB);
            draw_oval(fl(mx), fl(y), fl(MARK), fl(MARK));
        } else {
            set_rgb(TO_COME_RGB);
            draw_oval(fl(mx), fl(y), fl(MARK), fl(MARK));
            set_color(0, 0, 0);
            draw_oval(fl(mx + 3), fl(y + 3), fl(MARK - 6), fl(MARK - 6));
        }
    }
}
} // namespace

void draw_shootout_tally() {
    if (!shootout.on) return;
    const std::string names[2] = {match_teams[0] ? match_teams[0]->name : "", match_teams[1] ? match_teams[1]->name : ""};
    const std::string title = hud_text("PENALTY SHOOT-OUT");
    const t_player* taker = ball.owner && team_of(ball.owner) == shootout.tally.next_side() ? ball.owner.get() : nullptr;
    const std::string next = taker ? player_caption(*taker) : "";
    const int name_w = std::max(text_width(names[0], 10), text_width(names[1], 10));
    const int marks_w = MOST_MARKS * MARK_STEP;
    const int goals_w = text_width("00", 14);
    const int w = std::max({name_w + NAME_MARK_GAP + marks_w + goals_w, text_width(title, 10), text_width(next, 10)}) +
                  2 * PADDING;
    const int h = TITLE_H + 2 * ROW_H + (next.empty() ? 0 : ROW_H) + PADDING;
    const int left = (screen_w - w) / 2;
    const int top = TOP_MARGIN;
    draw_overlay_backing(left, top, w, h);
    draw_text_10(title, fl(screen_w / 2), fl(top + PADDING / 2), font_10, 0);
    const t_score scored = shootout.tally.goals();
    for (int side = 0; side < 2; ++side) {
        const int y = top + TITLE_H + side * ROW_H;
        set_color(fade_level, fade_level, fade_level);
        draw_text_10(names[side], fl(left + PADDING + name_w), fl(y), font_10, -1);
        draw_marks(side, left + PADDING + name_w + NAME_MARK_GAP, y + 3);
        set_color(fade_level, fade_level, fade_level);
        draw_text_14(std::to_string(scored[static_cast<size_t>(side)]), fl(left + w - PADDING), fl(y - 3), font_14, -1);
    }
    if (!next.empty()) draw_text_10(next, fl(screen_w / 2), fl(top + TITLE_H + 2 * ROW_H), font_10, 0);
}
