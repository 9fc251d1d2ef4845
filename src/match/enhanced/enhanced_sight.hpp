#pragma once
// What the ENHANCED computer sees: the players on their feet, who stands near a point, who stands on a line.
#include <cstddef>

#include "football/player.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "match/enhanced/enhanced_fouls.hpp"

// A skill as a value from 0 to the top, whatever flags its field carries.
int skill_value(int field);
// Distance from (px, py) to the segment from (ax, ay) to (bx, by).
double off_the_line(double px, double py, double ax, double ay, double bx, double by);
// Each outfield player and keeper of `team` on the pitch, on his feet, with his slot: f(slot, player).
template <typename F> void for_each_standing(int team, F&& f) {
    const auto& squad = squad_of(team);
    for (size_t slot = GOALKEEPER_SLOT; slot <= ON_PITCH_SLOTS && slot < squad.size(); ++slot) {
        const t_player& p = *squad[slot];
        if (!p.play.sent_off && !on_the_grass(p)) f(static_cast<int>(slot), p);
    }
}
// How far the nearest standing opponent of `team` is from (x, y).
double nearest_opponent(int team, double x, double y);
// Whether a standing opponent of `team` is within `clearance` of the line from (ax, ay) to (bx, by); the
// opponents' keeper counts only when `count_keeper`.
bool line_blocked(int team, double ax, double ay, double bx, double by, double clearance, bool count_keeper);
// The goal `team` attacks, as a y.
double goal_y_attacked(int team);
