#include "match/players/player_movement.hpp"

#include <algorithm>
#include <cmath>

#include "core/settings.hpp"
#include "match/core/match_state.hpp"
#include "match/players/player_heading.hpp"
#include "match/core/state_machine.hpp"
#include "platform/maths.hpp"
#include "ui/input.hpp"
#include "match/core/match_rules.hpp"

namespace {
constexpr double DRIBBLE_SLOWDOWN = 0.05;
constexpr double WALK_SHARE = 0.25;
constexpr double RUN_EXTRA_SHARE = 0.6;
constexpr double RUN_FROM_SQUARED = 16;

double angle_to_ball(const t_player& p) { return atan2_deg(ball.y - p.y, ball.x - p.x); }

// How he moves this sub-step; the heading is known when he runs to a target.
struct t_motion {
    bool moving = false;
    const t_heading* heading = nullptr;
};

// Sets v and a.
t_motion steer(t_player& p, const t_team& t, const t_input& in, bool keeper_thinks, t_heading& run) {
    if (t.controlled.get() == &p) {
        if (in.fired == 1) {
            p.v = std::max(0.0, p.v - p.ac);
            p.a = in.fire_angle;
        } else if (in.x1 != 0 || in.y1 != 0) {
            p.v = p.speed * (1 - (ball.owner.get() == &p ? DRIBBLE_SLOWDOWN : 0));
            p.a = atan2_deg(in.y1, in.x1);
        } else {
            p.v = 0;
        }
        return {p.v > 0, nullptr};
    }
    if (keeper_thinks) {
        if (p.brain) p.brain->think();
        return {p.v > 0, nullptr};
    }
    const double dx = whole_units(p.tx - p.x);
    const double dy = whole_units(p.ty - p.y);
    if (std::fabs(dx) >= 1 || std::fabs(dy) >= 1) {
        p.v = p.speed * (WALK_SHARE + (dx * dx + dy * dy > RUN_FROM_SQUARED ? RUN_EXTRA_SHARE : 0));
        run = heading_to(dx, dy);
        p.a = run.a;
        return {true, &run};
    }
    p.v = 0;
    p.a = angle_to_ball(p);
    return {false, nullptr};
}

void integrate(t_player& p, const t_heading* heading) {
    // Standing still changes nothing: no trigonometry for him.
    if (p.v != 0) {
        const double c = heading ? heading->cos : cos_deg(p.a);
        const double s = heading ? heading->sin : sin_deg(p.a);
        p.x += c * p.v / SUB_STEPS_PER_SECOND;
        p.y += s * p.v / SUB_STEPS_PER_SECOND;
    }
    if (p.vz == 0 && p.z == 0) return;
    p.z += p.vz / SUB_STEPS_PER_SECOND;
    if (p.z > 0) p.vz -= GRAVITY_PER_SUB_STEP;
    if (p.z < 0) {
        p.z = 0;
        p.vz = 0;
    }
}

void animate(t_player& p, const t_motion& m) {
    p.fmx = m.heading ? m.heading->fmx : std::fmod(round_half_away(std::fmod(p.a + 360, 360) / 45), 8);
    p.fmy = m.moving ? std::fmod(p.fmy + 1 + 0.16 * p.v / 1000, 4) - 1 : 1;
    if (p.status == STATUS_ON_BENCH && !m.moving) {
        p.fmx = 0;
        p.fmy = 1;
    }
}

void keep_on_pitch(t_player& p) {
    p.x = std::clamp(p.x, -PLAYER_BOUND_X, PLAYER_BOUND_X);
    const double across = std::trunc(std::fabs(p.x));
    const double limit = GOAL_LINE_Y + (across > BESIDE_GOAL_X ? PLAYER_BEYOND_LINE : 0) +
                         (across < GOAL_MOUTH_RUN_X ? PLAYER_IN_GOAL_MOUTH : 0);
    p.y = std::clamp(p.y, -limit, limit);
}
} // namespace

bool move_players(int keep_in_bounds, int keeper_logic) {
    bool anyone_moving = false;
    for (size_t team = 0; team < match_players.size(); ++team) {
        if (!match_teams[team]) continue;
        const t_team& t = *match_teams[team];
        const t_input& in = inputs[team];
        const auto& squad = match_players[team];
        const int last = std::min(last_slot(static_cast<int>(team)), static_cast<int>(squad.size()) - 1);
        for (int slot = 1; slot <= last; ++slot) {
            const auto& ref = squad[static_cast<size_t>(slot)];
            if (!ref) continue;
            t_player& p = *ref;
            if (match_rules().moves_by_himself(p, static_cast<int>(team))) continue;
            const bool keeper_thinks = slot == GOALKEEPER_SLOT && keeper_logic && t.controlled != ref;
            t_heading run;
            const t_motion motion = steer(p, t, in, keeper_thinks, run);
            anyone_moving = anyone_moving || motion.moving;
            integrate(p, motion.heading);
            const bool leaving = p.status == STATUS_SUBSTITUTED || p.play.sent_off;
            if (leaving && p.v == 0) {
                p.x = PARKED_X;
                p.tx = p.x;
            }
            if (!keeper_thinks) animate(p, motion);
            if (keep_in_bounds && !leaving) keep_on_pitch(p);
        }
    }
    return anyone_moving;
}
