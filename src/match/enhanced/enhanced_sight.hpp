#pragma once
// What the ENHANCED computer sees: the players on their feet, who stands near a point, who stands on a line.
#include <cstddef>
#include <limits>

#include "football/player.hpp"
#include "football/tactics.hpp"
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
// The standing outfield man of `team` nearest (x, y) and nearer than `within`, passing over those `skip(slot)`
// names; 0 for none. Among equals the lower slot.
template <typename F>
int nearest_outfield(int team, double x, double y, F&& skip, double within = std::numeric_limits<double>::max()) {
    int best = 0;
    double best_d = within;
    for_each_standing(team, [&](int slot, const t_player& p) {
        if (slot == GOALKEEPER_SLOT || skip(slot)) return;
        const double d = distance(p.x, p.y, x, y);
        if (d < best_d) {
            best_d = d;
            best = slot;
        }
    });
    return best;
}
// Whether he plays at the back by his position.
bool is_back(const t_player& p);
// Whether the tactic of `team` has its man in `slot` play at the back, whatever his position: with the ball in the
// centre it puts him near his goal.
bool plays_at_the_back(int team, int slot);
// The same for a tactic.
bool tactic_puts_at_the_back(const t_tactics& tac, int slot);
// How far from the goal line `team` defends a point at `y` lies.
double depth_from_own_goal(int team, double y);
// How far the nearest standing opponent of `team` is from (x, y).
double nearest_opponent(int team, double x, double y);
// Whether a standing opponent of `team` is within `clearance` of the line from (ax, ay) to (bx, by); the
// opponents' keeper counts only when `count_keeper`.
bool line_blocked(int team, double ax, double ay, double bx, double by, double clearance, bool count_keeper);
// The goal `team` attacks, as a y.
double goal_y_attacked(int team);
