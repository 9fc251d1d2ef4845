#include "match/enhanced/enhanced_shape.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <tuple>

#include "football/player.hpp"
#include "football/tactics.hpp"
#include "football/team.hpp"
#include "match/ball/ball.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "match/enhanced/enhanced_computer.hpp"
#include "match/enhanced/enhanced_sight.hpp"
#include "match/enhanced/enhanced_tuning.hpp"
#include "match/players/player_refs.hpp"
#include "match/players/player_targets.hpp"

namespace {
double own_goal_y(int team) { return team_at(team).side * GOAL_LINE_Y; }
double y_at_depth(int team, double depth) { return team_at(team).side * (GOAL_LINE_Y - depth); }

// The point `gap` units from (x, y) towards the middle of `team`'s goal.
void goal_side_of(int team, double x, double y, double gap, double& out_x, double& out_y) {
    const double d = std::max(1.0, distance(x, y, 0, own_goal_y(team)));
    out_x = x + (0 - x) / d * gap;
    out_y = y + (own_goal_y(team) - y) / d * gap;
}

using t_taken = std::array<bool, ON_PITCH_SLOTS + 1>;

// The standing men of a side that `take(slot, player)` accepts, by the depth of their targets from their own goal:
// `sign` 1 puts the deepest first, -1 the furthest forward (among equals, the lower slot first either way).
struct t_by_depth {
    std::array<std::pair<double, int>, ON_PITCH_SLOTS> men{}; // (sign times depth, slot)
    size_t n = 0;
};
template <typename F> t_by_depth by_target_depth(int team, double sign, F&& take) {
    t_by_depth d;
    for_each_standing(team, [&](int slot, const t_player& p) {
        if (take(slot, p)) d.men[d.n++] = {sign * depth_from_own_goal(team, p.ty), slot};
    });
    std::sort(d.men.begin(), d.men.begin() + static_cast<std::ptrdiff_t>(d.n));
    return d;
}

// The value at the k-th of n men spread evenly over the sorted `values` (k = 0 takes the first, k = n - 1 the last).
template <size_t N> double at_rank(const std::array<double, N>& values, size_t count, size_t k, size_t n) {
    const double last = static_cast<double>(count - 1);
    const double rank = n > 1 ? last * static_cast<double>(k) / static_cast<double>(n - 1) : last / 2;
    const auto lo = static_cast<size_t>(rank);
    const size_t hi = std::min(lo + 1, count - 1);
    return values[lo] + (values[hi] - values[lo]) * (rank - static_cast<double>(lo));
}

const t_tactics& reference_tactics() { return tactics[REFERENCE_TACTICS]; }

// The reference tactic's outfield men at this ball zone, ordered by depth as `by_target_depth` orders a side.
t_by_depth reference_by_depth(int team, double sign) {
    const int zone = tactics_zone(team);
    t_by_depth d;
    for (int slot = GOALKEEPER_SLOT + 1; slot <= ON_PITCH_SLOTS; ++slot)
        d.men[d.n++] = {sign * depth_from_own_goal(team, tactic_place(team, reference_tactics(), slot, zone).y), slot};
    std::sort(d.men.begin(), d.men.begin() + static_cast<std::ptrdiff_t>(d.n));
    return d;
}

// The nearest man to (x, y) within `within` who has no role yet.
int nearest_free_to(int team, double x, double y, const t_defending_roles& r, const t_taken& taken, double within) {
    return nearest_outfield(
        team, x, y,
        [&](int slot) { return slot == r.presser || slot == r.cover || taken[static_cast<size_t>(slot)]; }, within);
}

// The tactic gives the shape; how high it stands without the ball is read from the ball, the same for every
// tactic: the men but the keeper and the presser move together until their average depth is the block's. With the
// ball the tactic's own height stays: evening it out too made the most attacking tactic stronger still.
void stand_block_at_the_ball(int team, int presser) {
    auto& squad = squad_of(team);
    double sum = 0;
    int n = 0;
    for_each_standing(team, [&](int slot, const t_player& p) {
        if (slot == GOALKEEPER_SLOT || slot == presser) return;
        sum += depth_from_own_goal(team, p.ty);
        ++n;
    });
    if (n == 0) return;
    const double shift = BLOCK_AT_OWN_GOAL + BLOCK_PER_BALL_DEPTH * depth_from_own_goal(team, ball.y) - sum / n;
    for_each_standing(team, [&](int slot, const t_player&) {
        if (slot == GOALKEEPER_SLOT || slot == presser) return;
        t_player& p = *squad[static_cast<size_t>(slot)];
        p.ty = y_at_depth(team, std::clamp(depth_from_own_goal(team, p.ty) + shift, BLOCK_DEEPEST, PUSH_UP_FURTHEST));
    });
}

// The men `in_line(slot)` span what the reference tactic's men `in_reference(slot)` span across at this ball zone,
// in the order they stand, squeezed towards the ball.
template <typename R, typename L> void span_like_reference(int team, R&& in_reference, L&& in_line) {
    const int zone = tactics_zone(team);
    const t_tactics& reference = reference_tactics();
    std::array<double, TACTICS_PLAYERS - 1> xs{};
    size_t count = 0;
    for (int slot = GOALKEEPER_SLOT + 1; slot <= ON_PITCH_SLOTS; ++slot)
        if (in_reference(slot)) xs[count++] = tactic_place(team, reference, slot, zone).x;
    if (count == 0) return;
    std::sort(xs.begin(), xs.begin() + static_cast<std::ptrdiff_t>(count));
    std::array<std::pair<double, int>, ON_PITCH_SLOTS> men{};
    size_t n = 0;
    for_each_standing(team, [&](int slot, const t_player& p) {
        if (in_line(slot)) men[n++] = {p.tx, slot};
    });
    std::sort(men.begin(), men.begin() + static_cast<std::ptrdiff_t>(n));
    auto& squad = squad_of(team);
    for (size_t k = 0; k < n; ++k) {
        const double x = at_rank(xs, count, k, n);
        squad[static_cast<size_t>(men[k].second)]->tx = x + (ball.x - x) * SQUEEZE_TOWARDS_BALL;
    }
}

// The back line spans the reference tactic's back line, its men in the tactic's order across: a narrow line round
// a man in the middle gave every tactic that had one the better of the others, however few it put at the back.
void spread_back_line(int team, int presser) {
    span_like_reference(
        team, [](int slot) { return tactic_puts_at_the_back(reference_tactics(), slot); },
        [&](int slot) { return plays_at_the_back(team, slot) && slot != presser; });
}

// The men who wait for the break span what the reference's front men span: two strikers one behind the other
// gave the break one man to find.
void spread_front(int team, const std::array<int, STAY_UP_FOR_THE_BREAK>& front) {
    const t_by_depth reference = reference_by_depth(team, -1);
    span_like_reference(
        team,
        [&](int slot) {
            return std::any_of(reference.men.begin(), reference.men.begin() + STAY_UP_FOR_THE_BREAK,
                               [&](const auto& m) { return m.second == slot; });
        },
        [&](int slot) { return std::find(front.begin(), front.end(), slot) != front.end(); });
}

// Reference depths on a tactic's own places across can put two men on one spot (two strikers one behind the
// other): they step apart across, each half the way, so the side keeps every man a passing option.
void stand_apart(int team, int skip) {
    auto& squad = squad_of(team);
    for_each_standing(team, [&](int a, const t_player&) {
        if (a == GOALKEEPER_SLOT || a == skip) return;
        for_each_standing(team, [&](int b, const t_player&) {
            if (b <= a || b == skip) return;
            t_player& p = *squad[static_cast<size_t>(a)];
            t_player& q = *squad[static_cast<size_t>(b)];
            const double across = q.tx - p.tx;
            if (std::fabs(across) >= ON_ONE_SPOT || std::fabs(q.ty - p.ty) >= ON_ONE_SPOT) return;
            // Equal places part with the lower slot on the left.
            const double step = (APART_ACROSS - std::fabs(across)) / 2 * (across < 0 ? -1 : 1);
            p.tx = std::clamp(p.tx - step, -TOUCHLINE_X, TOUCHLINE_X);
            q.tx = std::clamp(q.tx + step, -TOUCHLINE_X, TOUCHLINE_X);
        });
    });
}

void defend(int team) {
    const t_defending_roles r = defending_roles(team);
    auto& squad = squad_of(team);
    // Everyone closes in on the ball's side of the pitch.
    for_each_standing(team, [&](int slot, const t_player&) {
        if (slot == GOALKEEPER_SLOT || slot == r.presser) return;
        t_player& p = *squad[static_cast<size_t>(slot)];
        p.tx += (ball.x - p.tx) * SQUEEZE_TOWARDS_BALL;
    });
    stand_block_at_the_ball(team, r.presser);
    // Everyone but the two furthest forward gets back goal-side of the ball.
    {
        const t_by_depth d =
            by_target_depth(team, 1, [&](int slot, const t_player&) { return slot != GOALKEEPER_SLOT && slot != r.presser; });
        const auto& by_depth = d.men;
        const size_t n = d.n;
        const size_t up = STAY_UP_FOR_THE_BREAK;
        const double limit = depth_from_own_goal(team, ball.y) + GOAL_SIDE_MARGIN;
        for (size_t i = 0; i + up < n; ++i) {
            t_player& p = *squad[static_cast<size_t>(by_depth[i].second)];
            if (depth_from_own_goal(team, p.ty) > limit) p.ty = y_at_depth(team, limit);
        }
        std::array<int, STAY_UP_FOR_THE_BREAK> front{};
        for (size_t i = 0; i < up && i < n; ++i) front[i] = by_depth[n - 1 - i].second;
        spread_front(team, front);
    }
    // The back line: one depth for all, never beyond the ball, never inside the six-yard box.
    double line = 0;
    int backs = 0;
    // The presser has left it for the ball.
    for_each_standing(team, [&](int slot, const t_player& p) {
        if (!plays_at_the_back(team, slot) || slot == r.presser) return;
        line += depth_from_own_goal(team, p.ty);
        ++backs;
    });
    if (backs > 0) {
        line = std::clamp(std::min(line / backs, depth_from_own_goal(team, ball.y) - LINE_BEHIND_BALL), LINE_DEEPEST, LINE_HIGHEST);
        for_each_standing(team, [&](int slot, const t_player&) {
            if (!plays_at_the_back(team, slot) || slot == r.presser) return;
            squad[static_cast<size_t>(slot)]->ty = y_at_depth(team, line);
        });
        spread_back_line(team, r.presser);
    }
    for (size_t slot = 0; slot < r.marks.size(); ++slot) {
        if (r.marks[slot] == 0) continue;
        const t_player& a = squad_player(1 - team, r.marks[slot]);
        t_player& m = *squad[slot];
        goal_side_of(team, a.x, a.y, MARK_GOAL_SIDE, m.tx, m.ty);
    }
    const bool computer = team_at(team).control == CONTROL_COMPUTER;
    if (r.cover && (!computer || computer_sharpness().covers)) {
        const t_player& carrier = *ball.owner;
        t_player& c = *squad[static_cast<size_t>(r.cover)];
        const double gap = COVER_BEHIND * (computer ? computer_sharpness().cover_gap : 1);
        goal_side_of(team, carrier.x, carrier.y, gap, c.tx, c.ty);
    }
}

// In the last third men arrive in the box for the cross, however the tactic lines them up: near post, far post,
// the spot, from the side the ball is on.
void attack_the_box(int team) {
    if (depth_from_own_goal(team, ball.y) < BOX_RUNS_FROM_DEPTH) return;
    struct t_spot {
        double across;
        double out;
    };
    constexpr std::array<t_spot, BOX_RUNNERS> SPOTS{{{40, 50}, {-50, 60}, {0, 110}}};
    const double goal_y = goal_y_attacked(team);
    const double ball_side = ball.x < 0 ? -1 : 1; // a ball in the middle counts as on the right
    auto in_box = [&](const t_player& p) {
        return std::fabs(p.tx) < PENALTY_AREA_X && std::fabs(p.ty - goal_y) < GOAL_LINE_Y - PENALTY_AREA_FRONT;
    };
    size_t there = 0;
    const t_by_depth d = by_target_depth(team, -1, [&](int slot, const t_player& p) {
        if (slot == GOALKEEPER_SLOT || ball.owner.get() == &p) return false;
        if (in_box(p)) ++there;
        return !in_box(p) && !plays_at_the_back(team, slot);
    });
    const auto& by_depth = d.men;
    const size_t n = d.n;
    auto& squad = squad_of(team);
    for (size_t i = 0; i < n && there < BOX_RUNNERS; ++i, ++there) {
        t_player& p = *squad[static_cast<size_t>(by_depth[i].second)];
        const t_spot& s = SPOTS[there];
        p.tx = ball_side * s.across;
        p.ty = goal_y - sign(goal_y) * s.out;
    }
}

// With the ball the tactic says where and in what order its men stand, not how many go forward: the k-th deepest
// stands as deep as the k-th deepest of the reference tactic at this ball zone. Left to the tactic, the one that
// sent most men forward won whatever else it did.
void stand_reference_depths(int team, int skip) {
    const t_by_depth reference = reference_by_depth(team, 1);
    std::array<double, ON_PITCH_SLOTS> depths{};
    for (size_t k = 0; k < reference.n; ++k) depths[k] = reference.men[k].first;
    const t_by_depth d = by_target_depth(
        team, 1, [&](int slot, const t_player&) { return slot != GOALKEEPER_SLOT && slot != skip; });
    auto& squad = squad_of(team);
    // Fewer men (the carrier, the sent off) spread over the same depths.
    for (size_t k = 0; k < d.n; ++k)
        squad[static_cast<size_t>(d.men[k].second)]->ty =
            y_at_depth(team, std::clamp(at_rank(depths, reference.n, k, d.n), BLOCK_DEEPEST, PUSH_UP_FURTHEST));
}

// Off a blocked line the receiver steps aside to the nearer side where the ball could reach him.
void offer_lines(int team) {
    auto& squad = squad_of(team);
    stand_reference_depths(team, slot_of(team, ball.owner.get()));
    stand_apart(team, slot_of(team, ball.owner.get()));
    // While the ball travels nobody can pass it yet: there are no lines to offer.
    for_each_standing(team, [&](int slot, const t_player& p) {
        if (!ball.owner || slot == GOALKEEPER_SLOT || ball.owner.get() == &p) return;
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
    // However attacking the tactic, a few men stay out of the last third: the side is not caught short on the break.
    {
        const t_by_depth d = by_target_depth(
            team, -1, [&](int slot, const t_player& p) { return slot != GOALKEEPER_SLOT && ball.owner.get() != &p; });
        for (size_t i = LAST_THIRD_MOST; i < d.n; ++i)
            if (-d.men[i].first > LAST_THIRD_DEPTH - PUSH_UP_WITH_THE_BALL)
                squad[static_cast<size_t>(d.men[i].second)]->ty = y_at_depth(team, LAST_THIRD_DEPTH - PUSH_UP_WITH_THE_BALL);
    }
    // The side pushes up behind the ball.
    for_each_standing(team, [&](int slot, const t_player&) {
        if (slot == GOALKEEPER_SLOT) return;
        t_player& p = *squad[static_cast<size_t>(slot)];
        if (ball.owner.get() == &p) return;
        const double depth = depth_from_own_goal(team, p.ty);
        p.ty = y_at_depth(team, std::max(depth, std::min(depth + PUSH_UP_WITH_THE_BALL, PUSH_UP_FURTHEST)));
    });
    attack_the_box(team);
}
} // namespace

t_defending_roles defending_roles(int team) {
    t_defending_roles r;
    const t_team& t = team_at(team);
    // A loose ball: the man going for it has left the shape, as a presser does.
    if (!ball.owner) {
        r.presser = chasers(team).nearest;
        return r;
    }
    const t_player& carrier = *ball.owner;
    auto& squad = squad_of(team);
    // The presser: the side's nearest man to the ball, or the nearest on his feet, never the keeper.
    if (t.nearest_1 && t.nearest_1 != squad[GOALKEEPER_SLOT] && !t.nearest_1->play.sent_off)
        r.presser = slot_of(team, t.nearest_1.get());
    if (r.presser == 0) r.presser = nearest_outfield(team, carrier.x, carrier.y, [](int) { return false; });
    // The cover: the nearest to the point behind the presser, between the carrier and goal.
    double cx = 0;
    double cy = 0;
    goal_side_of(team, carrier.x, carrier.y, COVER_BEHIND, cx, cy);
    t_taken taken{};
    r.cover = nearest_free_to(team, cx, cy, r, taken, std::numeric_limits<double>::max());
    // Near his own box each dangerous attacker is picked up by the nearest free man.
    if (depth_from_own_goal(team, ball.y) > MARKING_FROM_DEPTH) return r;
    struct t_threat {
        int slot;
        double to_goal;
    };
    std::array<t_threat, ON_PITCH_SLOTS> threats{};
    size_t n = 0;
    for_each_standing(1 - team, [&](int slot, const t_player& a) {
        if (slot == GOALKEEPER_SLOT || &a == &carrier) return;
        const double to_goal = distance(a.x, a.y, 0, own_goal_y(team));
        if (to_goal < MARKED_WITHIN_OF_GOAL) threats[n++] = {slot, to_goal};
    });
    const auto end = threats.begin() + static_cast<std::ptrdiff_t>(n);
    std::sort(threats.begin(), end, [](const t_threat& a, const t_threat& b) {
        return a.to_goal != b.to_goal ? a.to_goal < b.to_goal : a.slot < b.slot;
    });
    for (auto th = threats.begin(); th != end; ++th) {
        const t_player& a = squad_player(1 - team, th->slot);
        const int m = nearest_free_to(team, a.x, a.y, r, taken, MARKER_PICKS_UP_WITHIN);
        if (m == 0) continue;
        taken[static_cast<size_t>(m)] = true;
        r.marks[static_cast<size_t>(m)] = th->slot;
    }
    return r;
}

// The side with the ball, or the one that played it last while it travels: a pass or a clearance in the air does
// not send both sides back to the tactic's own places.
int side_in_possession() { return ball.owner ? team_of(ball.owner) : team_of(ball.owner_last); }

void shape_targets() {
    const int owner = side_in_possession();
    if (owner < 0) return;
    if (ball.owner) {
        defend(1 - owner);
        offer_lines(owner);
        return;
    }
    // Whoever goes for the loose ball keeps his run.
    std::array<std::array<std::pair<double, double>, ON_PITCH_SLOTS + 1>, 2> runs{};
    std::array<t_chasers, 2> chasing{};
    for (int team = 0; team < 2; ++team) {
        chasing[static_cast<size_t>(team)] = chasers(team);
        for_each_standing(team, [&](int slot, const t_player& p) { runs[static_cast<size_t>(team)][static_cast<size_t>(slot)] = {p.tx, p.ty}; });
    }
    defend(1 - owner);
    offer_lines(owner);
    for (int team = 0; team < 2; ++team)
        for_each_standing(team, [&](int slot, const t_player&) {
            if (!chasing[static_cast<size_t>(team)].chases(slot)) return;
            t_player& p = squad_player(team, slot);
            std::tie(p.tx, p.ty) = runs[static_cast<size_t>(team)][static_cast<size_t>(slot)];
        });
}

void held_shape_targets() {
    const int owner = side_in_possession();
    if (owner < 0) return;
    // A loose ball is held apart from the same side's ball at its feet.
    const int holding = ball.owner ? owner : owner + 2;
    if (ball.shape_stamp.fresh(match_status.timer, holding)) {
        for (int team = 0; team < 2; ++team)
            for_each_standing(team, [&](int slot, const t_player&) {
                t_player& p = *squad_of(team)[static_cast<size_t>(slot)];
                if (!p.play.shaped) return;
                p.tx = p.play.shape_tx;
                p.ty = p.play.shape_ty;
            });
        return;
    }
    // Every man's flag is set afresh, the fallen too, so nobody gets up to an old target.
    std::array<std::array<std::pair<double, double>, ON_PITCH_SLOTS + 1>, 2> before{};
    for (size_t team = 0; team < 2; ++team) {
        const auto& squad = squad_of(static_cast<int>(team));
        for (size_t slot = GOALKEEPER_SLOT; slot <= ON_PITCH_SLOTS && slot < squad.size(); ++slot)
            before[team][slot] = {squad[slot]->tx, squad[slot]->ty};
    }
    shape_targets();
    for (size_t team = 0; team < 2; ++team) {
        const auto& squad = squad_of(static_cast<int>(team));
        for (size_t slot = GOALKEEPER_SLOT; slot <= ON_PITCH_SLOTS && slot < squad.size(); ++slot) {
            t_player& p = *squad[slot];
            p.play.shaped = p.tx != before[team][slot].first || p.ty != before[team][slot].second;
            p.play.shape_tx = p.tx;
            p.play.shape_ty = p.ty;
        }
    }
    ball.shape_stamp.note(match_status.timer, holding);
}
