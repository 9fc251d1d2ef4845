#include "match/enhanced/enhanced_sight.hpp"

#include <algorithm>
#include <limits>

#include "football/player.hpp"
#include "football/team.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "match/enhanced/enhanced_fouls.hpp"
#include "match/enhanced/enhanced_tuning.hpp"

int skill_value(int field) { return std::clamp(field & SKILL_VALUE_MASK, 0, SKILL_TOP); }

double off_the_line(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax;
    const double dy = by - ay;
    const double length2 = dx * dx + dy * dy;
    const double t = length2 > 0 ? std::clamp(((px - ax) * dx + (py - ay) * dy) / length2, 0.0, 1.0) : 0;
    return distance(px, py, ax + t * dx, ay + t * dy);
}

void for_each_standing(int team, const std::function<void(int slot, const t_player&)>& f) {
    const auto& squad = squad_of(team);
    for (size_t slot = GOALKEEPER_SLOT; slot <= ON_PITCH_SLOTS && slot < squad.size(); ++slot) {
        const t_player& p = *squad[slot];
        if (!p.play.sent_off && !on_the_grass(p)) f(static_cast<int>(slot), p);
    }
}

double nearest_opponent(int team, double x, double y) {
    double best = std::numeric_limits<double>::max();
    for_each_standing(1 - team, [&](int, const t_player& o) { best = std::min(best, distance(o.x, o.y, x, y)); });
    return best;
}

bool line_blocked(int team, double ax, double ay, double bx, double by, double clearance, bool count_keeper) {
    bool blocked = false;
    for_each_standing(1 - team, [&](int slot, const t_player& o) {
        if (slot == GOALKEEPER_SLOT && !count_keeper) return;
        if (off_the_line(o.x, o.y, ax, ay, bx, by) < clearance) blocked = true;
    });
    return blocked;
}

double goal_y_attacked(int team) { return -team_at(team).side * GOAL_LINE_Y; }
