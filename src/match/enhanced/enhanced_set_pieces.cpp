#include "match/enhanced/enhanced_set_pieces.hpp"

#include <algorithm>
#include <array>
#include <cmath>

#include "football/player.hpp"
#include "football/team.hpp"
#include "match/ball/ball.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "match/enhanced/enhanced_computer.hpp"
#include "match/enhanced/enhanced_sight.hpp"
#include "match/enhanced/enhanced_tuning.hpp"
#include "platform/maths.hpp"
#include "platform/random.hpp"

namespace {
struct t_spot {
    double across; // towards the corner's side
    double out;    // from the goal line
};
// Near post, far post, the spot, the edge of the six-yard box: in the order the runners take them.
constexpr std::array<t_spot, CORNER_RUNNERS> RUNNER_SPOTS{{{30, 45}, {-40, 60}, {0, 100}, {70, 110}}};

// The point `across` towards the corner's side and `out` from the goal line the ball is next to.
void box_point(const t_spot& s, double& x, double& y) {
    x = sign(ball.x) * s.across;
    y = sign(ball.y) * (GOAL_LINE_Y - s.out);
}
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
    const std::vector<int> runners = corner_runners(taking);
    auto& attackers = squad_of(taking);
    for (size_t i = 0; i < runners.size(); ++i) box_point(RUNNER_SPOTS[i], attackers[static_cast<size_t>(runners[i])]->tx,
                                                          attackers[static_cast<size_t>(runners[i])]->ty);
    // The defenders: one on the near post, then a marker goal-side of each runner, nearest first.
    const int defending = 1 - taking;
    auto& defenders = squad_of(defending);
    std::array<bool, ON_PITCH_SLOTS + 1> used{};
    const auto nearest_free = [&](double x, double y) {
        const int best = nearest_outfield(defending, x, y, [&](int slot) { return used[static_cast<size_t>(slot)]; });
        if (best) used[static_cast<size_t>(best)] = true;
        return best;
    };
    double post_x = 0;
    double post_y = 0;
    box_point({NEAR_POST_GUARD_ACROSS, NEAR_POST_GUARD_OUT}, post_x, post_y);
    if (const int g = nearest_free(post_x, post_y)) {
        defenders[static_cast<size_t>(g)]->tx = post_x;
        defenders[static_cast<size_t>(g)]->ty = post_y;
    }
    for (size_t i = 0; i < runners.size(); ++i) {
        double x = 0;
        double y = 0;
        box_point(RUNNER_SPOTS[i], x, y);
        if (const int m = nearest_free(x, y))
            box_point({RUNNER_SPOTS[i].across, RUNNER_SPOTS[i].out - CORNER_MARK_GOAL_SIDE}, defenders[static_cast<size_t>(m)]->tx,
                      defenders[static_cast<size_t>(m)]->ty);
    }
}

bool computer_strikes_corner(int taking) {
    if (taking < 0 || team_at(taking).control != CONTROL_COMPUTER || !ball.owner) return false;
    const t_player& taker = *ball.owner;
    double x = 0;
    double y = 0;
    const std::vector<int> runners = corner_runners(taking);
    if (rnd() < NEAR_POST_CORNER || runners.empty()) {
        box_point(RUNNER_SPOTS[0], x, y);
    } else {
        const size_t pick = std::min(runners.size() - 1, static_cast<size_t>(rnd() * static_cast<double>(runners.size())));
        const t_player& target = squad_player(taking, runners[pick]);
        x = target.x;
        y = target.y;
    }
    const double error = CROSS_ERROR_BASE + (SKILL_TOP - skill_value(taker.pa)) * CROSS_ERROR_PER_MISSING_POINT;
    const double a = atan2_deg(y - ball.y, x - ball.x) + rnd_range(-error, error);
    const double d = distance(ball.x, ball.y, x, y);
    computer_strike(taking, taker, a, CORNER_SPEED, lift_to_land(d, CORNER_SPEED, CROSS_ARRIVAL_Z), t_kick_aim::pass);
    return true;
}
