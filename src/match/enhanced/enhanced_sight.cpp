#include "match/enhanced/enhanced_sight.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "football/player.hpp"
#include "football/tactics.hpp"
#include "football/team.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "match/enhanced/enhanced_fouls.hpp"
#include "match/enhanced/enhanced_tuning.hpp"
#include "match/players/player_targets.hpp"

int skill_value(int field) { return std::clamp(field & SKILL_VALUE_MASK, 0, SKILL_TOP); }

namespace {
// The square of off_the_line: comparisons need no root.
double off_the_line_squared(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax;
    const double dy = by - ay;
    const double length2 = dx * dx + dy * dy;
    const double t = length2 > 0 ? std::clamp(((px - ax) * dx + (py - ay) * dy) / length2, 0.0, 1.0) : 0;
    const double ox = px - (ax + t * dx);
    const double oy = py - (ay + t * dy);
    return ox * ox + oy * oy;
}
} // namespace

double off_the_line(double px, double py, double ax, double ay, double bx, double by) {
    return std::sqrt(off_the_line_squared(px, py, ax, ay, bx, by));
}

double nearest_opponent(int team, double x, double y) {
    double best = std::numeric_limits<double>::max();
    for_each_standing(1 - team, [&](int, const t_player& o) {
        best = std::min(best, (o.x - x) * (o.x - x) + (o.y - y) * (o.y - y));
    });
    return std::sqrt(best);
}

bool line_blocked(int team, double ax, double ay, double bx, double by, double clearance, bool count_keeper) {
    bool blocked = false;
    for_each_standing(1 - team, [&](int slot, const t_player& o) {
        if (slot == GOALKEEPER_SLOT && !count_keeper) return;
        if (!blocked && off_the_line_squared(o.x, o.y, ax, ay, bx, by) < clearance * clearance) blocked = true;
    });
    return blocked;
}

double goal_y_attacked(int team) { return -team_at(team).side * GOAL_LINE_Y; }

bool is_back(const t_player& p) { return p.pt == ROLE_RIGHT_BACK || p.pt == ROLE_LEFT_BACK || p.pt == ROLE_DEFENDER; }

bool plays_at_the_back(int team, int slot) {
    return tactic_puts_at_the_back(tactics[static_cast<size_t>(std::clamp(team_at(team).tactics, 0, TACTICS_SLOTS - 1))], slot);
}

bool tactic_puts_at_the_back(const t_tactics& tac, int slot) {
    if (slot <= GOALKEEPER_SLOT) return false;
    // Targets are kept from the side of the goal at negative y: a depth from the own goal line is the target's y
    // plus the goal line's.
    return GOAL_LINE_Y + tac.target[static_cast<size_t>(slot - 1)][CENTRE_ZONE].y <= BACK_LINE_HOME_WITHIN;
}

double depth_from_own_goal(int team, double y) { return GOAL_LINE_Y - team_at(team).side * y; }
