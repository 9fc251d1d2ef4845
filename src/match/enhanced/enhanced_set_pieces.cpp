#include "match/enhanced/enhanced_set_pieces.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

#include "football/player.hpp"
#include "football/team.hpp"
#include "match/ball/ball.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "match/enhanced/enhanced_computer.hpp"
#include "match/enhanced/enhanced_sight.hpp"
#include "match/enhanced/enhanced_tuning.hpp"
#include "match/players/control_computer.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"

namespace {
struct t_spot {
    double across; // towards the ball's side
    double out;    // from the goal line
};
// Near post, far post, the spot, the edge of the six-yard box: in the order the runners take them.
constexpr std::array<t_spot, CORNER_RUNNERS> RUNNER_SPOTS{{{30, 45}, {-40, 60}, {0, 100}, {70, 110}}};
static_assert(FREE_KICK_RUNNERS <= CORNER_RUNNERS);
// Where a shot the keeper parries or the wall blocks falls: beyond the far post and the spot.
constexpr std::array<t_spot, FREE_KICK_REBOUND_RUNNERS> REBOUND_SPOTS{{{-50, 70}, {10, 120}}};

// The point `across` towards the ball's side and `out` from the goal line that `taking` attacks.
void box_point(int taking, const t_spot& s, double& x, double& y) {
    const double goal_y = goal_y_attacked(taking);
    x = (ball.x < 0 ? -1 : 1) * s.across;
    y = goal_y - sign(goal_y) * s.out;
}

// The runners of `taking` to `spots`, the first runner to the first spot; the defenders not in `busy` guard the
// near post when `near_post` is guarded, then a marker goal-side of each runner, nearest first.
void arrange_box(int taking, std::span<const t_spot> spots, bool near_post, const std::vector<int>& busy) {
    std::vector<int> runners = corner_runners(taking);
    runners.resize(std::min(runners.size(), spots.size()));
    auto& attackers = squad_of(taking);
    for (size_t i = 0; i < runners.size(); ++i) {
        t_player& r = *attackers[static_cast<size_t>(runners[i])];
        box_point(taking, spots[i], r.tx, r.ty);
    }
    const int defending = 1 - taking;
    auto& defenders = squad_of(defending);
    std::array<bool, ON_PITCH_SLOTS + 1> used{};
    for (int slot : busy) used[static_cast<size_t>(slot)] = true;
    const auto nearest_free = [&](double x, double y) {
        const int best = nearest_outfield(defending, x, y, [&](int slot) { return used[static_cast<size_t>(slot)]; });
        if (best) used[static_cast<size_t>(best)] = true;
        return best;
    };
    if (near_post) {
        double post_x = 0;
        double post_y = 0;
        box_point(taking, {NEAR_POST_GUARD_ACROSS, NEAR_POST_GUARD_OUT}, post_x, post_y);
        if (const int g = nearest_free(post_x, post_y)) {
            defenders[static_cast<size_t>(g)]->tx = post_x;
            defenders[static_cast<size_t>(g)]->ty = post_y;
        }
    }
    for (size_t i = 0; i < runners.size(); ++i) {
        double x = 0;
        double y = 0;
        box_point(taking, spots[i], x, y);
        if (const int m = nearest_free(x, y)) {
            t_player& marker = *defenders[static_cast<size_t>(m)];
            box_point(taking, {spots[i].across + CORNER_MARK_BALL_SIDE, spots[i].out - CORNER_MARK_GOAL_SIDE}, marker.tx,
                      marker.ty);
        }
    }
}

// The computer's taker for `taking` puts the ball into the box: to the near post with `near_post_share`, else to
// a runner, landing at head height; his passing and `extra_error` (degrees) set how far off it goes.
void deliver_into_box(int taking, double near_post_share, double speed, double extra_error) {
    const t_player& taker = *ball.owner;
    double x = 0;
    double y = 0;
    const std::vector<int> runners = corner_runners(taking);
    if (rnd() < near_post_share || runners.empty()) {
        box_point(taking, RUNNER_SPOTS[0], x, y);
    } else {
        const size_t pick = std::min(runners.size() - 1, static_cast<size_t>(rnd() * static_cast<double>(runners.size())));
        const t_player& target = squad_player(taking, runners[pick]);
        x = target.x;
        y = target.y;
    }
    const double error = CROSS_ERROR_BASE + (SKILL_TOP - skill_value(taker.pa)) * CROSS_ERROR_PER_MISSING_POINT + extra_error;
    const double a = atan2_deg(y - ball.y, x - ball.x) + rnd_range(-error, error);
    const double d = distance(ball.x, ball.y, x, y);
    computer_strike(taking, taker, a, speed, lift_to_land(d, speed, CROSS_ARRIVAL_Z), t_kick_aim::pass);
}

bool computer_takes(int taking) { return taking >= 0 && team_at(taking).control == CONTROL_COMPUTER && ball.owner; }

double ball_from_goal_line(int taking) { return std::fabs(goal_y_attacked(taking) - ball.y); }
} // namespace

std::vector<int> corner_runners(int taking) {
    struct t_candidate {
        int slot;
        int heading;
        bool back;
    };
    std::vector<t_candidate> all;
    for_each_standing(taking, [&](int slot, const t_player& p) {
        if (slot == GOALKEEPER_SLOT || ball.owner.get() == &p) return;
        all.push_back({slot, skill_value(p.he), is_back(p)});
    });
    // Best in the air first; the two backs worst in the air stay at home against the break.
    std::stable_sort(all.begin(), all.end(), [](const t_candidate& a, const t_candidate& b) { return a.heading > b.heading; });
    int stay = CORNER_STAY_BACK;
    for (auto it = all.rbegin(); it != all.rend() && stay > 0; ++it) {
        if (!it->back) continue;
        it->slot = 0;
        --stay;
    }
    std::vector<int> runners;
    for (const t_candidate& c : all)
        if (c.slot != 0 && static_cast<int>(runners.size()) < CORNER_RUNNERS) runners.push_back(c.slot);
    return runners;
}

void arrange_corner(int taking) {
    if (taking < 0) return;
    arrange_box(taking, RUNNER_SPOTS, true, {});
}

bool computer_strikes_corner(int taking) {
    if (!computer_takes(taking)) return false;
    deliver_into_box(taking, NEAR_POST_CORNER, CORNER_SPEED, CORNER_CROSS_ERROR);
    return true;
}

bool free_kick_at_goal(int taking) {
    const double out = ball_from_goal_line(taking);
    return out < FREE_KICK_SHOOTING_RANGE && std::fabs(ball.x) <= out * SHOT_ANGLE_LIMIT + GOAL_MOUTH_X;
}

void arrange_free_kick(int taking, const std::vector<int>& wall) {
    if (taking < 0 || ball_from_goal_line(taking) > FREE_KICK_INTO_BOX_WITHIN) return;
    if (free_kick_at_goal(taking))
        arrange_box(taking, REBOUND_SPOTS, false, wall);
    else
        arrange_box(taking, std::span(RUNNER_SPOTS).first<FREE_KICK_RUNNERS>(), true, wall);
}

bool computer_crosses_free_kick(int taking) {
    if (!computer_takes(taking) || ball_from_goal_line(taking) > FREE_KICK_INTO_BOX_WITHIN || free_kick_at_goal(taking))
        return false;
    deliver_into_box(taking, NEAR_POST_FREE_KICK, FREE_KICK_CROSS_SPEED, FREE_KICK_CROSS_ERROR);
    return true;
}
