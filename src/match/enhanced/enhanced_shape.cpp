#include "match/enhanced/enhanced_shape.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

#include "football/player.hpp"
#include "football/team.hpp"
#include "match/ball/ball.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "match/enhanced/enhanced_computer.hpp"
#include "match/enhanced/enhanced_sight.hpp"
#include "match/enhanced/enhanced_tuning.hpp"

namespace {
double own_goal_y(int team) { return team_at(team).side * GOAL_LINE_Y; }
// How far from his own goal line a point is, for `team`.
double depth_of(int team, double y) { return GOAL_LINE_Y - team_at(team).side * y; }
double y_at_depth(int team, double depth) { return team_at(team).side * (GOAL_LINE_Y - depth); }

bool is_back(const t_player& p) { return p.pt == ROLE_RIGHT_BACK || p.pt == ROLE_LEFT_BACK || p.pt == ROLE_DEFENDER; }

// The point `gap` units from (x, y) towards the middle of `team`'s goal.
void goal_side_of(int team, double x, double y, double gap, double& out_x, double& out_y) {
    const double d = std::max(1.0, distance(x, y, 0, own_goal_y(team)));
    out_x = x + (0 - x) / d * gap;
    out_y = y + (own_goal_y(team) - y) / d * gap;
}

int nearest_free_to(int team, double x, double y, const t_defending_roles& r, const std::vector<bool>& taken,
                    double within) {
    int best = 0;
    double best_d = within;
    for_each_standing(team, [&](int slot, const t_player& p) {
        if (slot == GOALKEEPER_SLOT || slot == r.presser || slot == r.cover || taken[static_cast<size_t>(slot)]) return;
        const double d = distance(p.x, p.y, x, y);
        if (d < best_d) {
            best_d = d;
            best = slot;
        }
    });
    return best;
}

void defend(int team) {
    const t_defending_roles r = defending_roles(team);
    auto& squad = squad_of(team);
    const t_player& carrier = *ball.owner;
    // Everyone closes in on the ball's side of the pitch.
    for_each_standing(team, [&](int slot, const t_player&) {
        if (slot == GOALKEEPER_SLOT || slot == r.presser) return;
        t_player& p = *squad[static_cast<size_t>(slot)];
        p.tx += (ball.x - p.tx) * SQUEEZE_TOWARDS_BALL;
    });
    // Everyone but the two furthest forward gets back goal-side of the ball.
    {
        std::vector<std::pair<double, int>> by_depth;
        for_each_standing(team, [&](int slot, const t_player& p) {
            if (slot != GOALKEEPER_SLOT && slot != r.presser) by_depth.emplace_back(depth_of(team, p.ty), slot);
        });
        std::sort(by_depth.begin(), by_depth.end());
        const double limit = depth_of(team, ball.y) + GOAL_SIDE_MARGIN;
        for (size_t i = 0; i + STAY_UP_FOR_THE_BREAK < by_depth.size(); ++i) {
            t_player& p = *squad[static_cast<size_t>(by_depth[i].second)];
            if (depth_of(team, p.ty) > limit) p.ty = y_at_depth(team, limit);
        }
    }
    // The back line: one depth for all, never beyond the ball, never inside the six-yard box.
    double line = 0;
    int backs = 0;
    for_each_standing(team, [&](int slot, const t_player& p) {
        if (slot == GOALKEEPER_SLOT || !is_back(p)) return;
        line += depth_of(team, p.ty);
        ++backs;
    });
    if (backs > 0) {
        line = std::clamp(std::min(line / backs, depth_of(team, ball.y) - LINE_BEHIND_BALL), LINE_DEEPEST, LINE_HIGHEST);
        for_each_standing(team, [&](int slot, const t_player& p) {
            if (slot == GOALKEEPER_SLOT || !is_back(p)) return;
            squad[static_cast<size_t>(slot)]->ty = y_at_depth(team, line);
        });
    }
    for (size_t slot = 0; slot < r.marks.size(); ++slot) {
        if (r.marks[slot] == 0) continue;
        const t_player& a = squad_player(1 - team, r.marks[slot]);
        t_player& m = *squad[slot];
        goal_side_of(team, a.x, a.y, MARK_GOAL_SIDE, m.tx, m.ty);
    }
    const bool computer = team_at(team).control == CONTROL_COMPUTER;
    if (r.cover && (!computer || computer_sharpness().covers)) {
        t_player& c = *squad[static_cast<size_t>(r.cover)];
        goal_side_of(team, carrier.x, carrier.y, COVER_BEHIND, c.tx, c.ty);
    }
}

// Off a blocked line the receiver steps aside to the nearer side where the ball could reach him.
void offer_lines(int team) {
    auto& squad = squad_of(team);
    for_each_standing(team, [&](int slot, const t_player& p) {
        if (slot == GOALKEEPER_SLOT || ball.owner.get() == &p) return;
        // Beyond a pass's reach his line does not matter.
        if (distance(ball.x, ball.y, p.tx, p.ty) > PASS_MAX_DISTANCE) return;
        if (!line_blocked(team, ball.x, ball.y, p.tx, p.ty, OFFER_LANE_CLEARANCE, false)) return;
        for (const double step : {OFFER_STEP, -OFFER_STEP, 2 * OFFER_STEP, -2 * OFFER_STEP}) {
            const double x = std::clamp(p.tx + step, -TOUCHLINE_X + OFFER_STEP, TOUCHLINE_X - OFFER_STEP);
            if (!line_blocked(team, ball.x, ball.y, x, p.ty, OFFER_LANE_CLEARANCE, false)) {
                squad[static_cast<size_t>(slot)]->tx = x;
                return;
            }
        }
    });
    // The side pushes up behind the ball.
    for_each_standing(team, [&](int slot, const t_player&) {
        if (slot == GOALKEEPER_SLOT) return;
        t_player& p = *squad[static_cast<size_t>(slot)];
        if (ball.owner.get() != &p) p.ty -= team_at(team).side * PUSH_UP_WITH_THE_BALL;
    });
}
} // namespace

t_defending_roles defending_roles(int team) {
    t_defending_roles r;
    const t_team& t = team_at(team);
    if (!ball.owner) return r;
    const t_player& carrier = *ball.owner;
    auto& squad = squad_of(team);
    // The presser: the nearest man to the ball on his feet, never the keeper.
    double best = MARK_NEVER_BEYOND;
    for_each_standing(team, [&](int slot, const t_player& p) {
        if (slot == GOALKEEPER_SLOT) return;
        const double d = distance(p.x, p.y, carrier.x, carrier.y);
        if (d < best) {
            best = d;
            r.presser = slot;
        }
    });
    if (t.nearest_1 && t.nearest_1 != squad[GOALKEEPER_SLOT] && !t.nearest_1->play.sent_off) {
        for (int slot = GOALKEEPER_SLOT + 1; slot <= ON_PITCH_SLOTS && slot < static_cast<int>(squad.size()); ++slot)
            if (squad[static_cast<size_t>(slot)] == t.nearest_1) r.presser = slot;
    }
    // The cover: the nearest to the point behind the presser, between the carrier and goal.
    double cx = 0;
    double cy = 0;
    goal_side_of(team, carrier.x, carrier.y, COVER_BEHIND, cx, cy);
    std::vector<bool> taken(r.marks.size(), false);
    r.cover = nearest_free_to(team, cx, cy, r, taken, MARK_NEVER_BEYOND);
    // Near his own box each dangerous attacker is picked up by the nearest free man.
    if (depth_of(team, ball.y) > MARKING_FROM_DEPTH) return r;
    struct t_threat {
        int slot;
        double to_goal;
    };
    std::vector<t_threat> threats;
    for_each_standing(1 - team, [&](int slot, const t_player& a) {
        if (slot == GOALKEEPER_SLOT || &a == &carrier) return;
        const double to_goal = distance(a.x, a.y, 0, own_goal_y(team));
        if (to_goal < MARKED_WITHIN_OF_GOAL) threats.push_back({slot, to_goal});
    });
    std::sort(threats.begin(), threats.end(), [](const t_threat& a, const t_threat& b) {
        return a.to_goal != b.to_goal ? a.to_goal < b.to_goal : a.slot < b.slot;
    });
    for (const t_threat& th : threats) {
        const t_player& a = squad_player(1 - team, th.slot);
        const int m = nearest_free_to(team, a.x, a.y, r, taken, MARKER_PICKS_UP_WITHIN);
        if (m == 0) continue;
        taken[static_cast<size_t>(m)] = true;
        r.marks[static_cast<size_t>(m)] = th.slot;
    }
    return r;
}

void shape_targets() {
    const int owner = team_of(ball.owner);
    if (owner < 0) return;
    defend(1 - owner);
    offer_lines(owner);
}
