// The save test: where the ball meets the keeper's picture decides catch,
// block or parry.
#include <cmath>

#include "core/globals.hpp"
#include "core/settings.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_rules.hpp"
#include "match/core/play_events.hpp"
#include "match/core/match_state.hpp"
#include "match/keeper/keeper_collision.hpp"
#include "match/players/player_refs.hpp"
#include "platform/maths.hpp"

namespace {
constexpr uint32_t CATCH_COLOUR = 0xC00000;
constexpr uint32_t BLOCK_COLOUR = 0xC0C000;
constexpr uint32_t PARRY_COLOUR = 0x0000C0;
constexpr int CELL = 50;
constexpr int CELLS_WRAP = 24;
constexpr int FEET_X = 24;
constexpr int FEET_Y = 34;
constexpr double DEPTH_REACH = 2;

// Beyond the post by a ball's width, a parried ball goes over the line for a corner.
constexpr double WIDE_OF_THE_POST = GOAL_MOUTH_X + 6;

// A parry pushes the ball on round the post. Carried on towards the line from
// in front of the goal, it would cross it a few units later inside the posts
// nearly every time: then it is knocked back out instead.
double parried_vy(double new_vx, double carried_vy) {
    if (carried_vy == 0) return 0;
    const double to_line = sign(carried_vy) * GOAL_LINE_Y - ball.y;
    const double crossing_x = ball.x + new_vx * to_line / carried_vy;
    return std::fabs(crossing_x) > WIDE_OF_THE_POST ? carried_vy : -carried_vy;
}

void free_ball_touched_by(const t_player& keeper) {
    ball.owner_last = shared_player(keeper);
    ball.owner = nullptr;
    note_control(team_of(ball.owner_last));
}
} // namespace

uint32_t keeper_collision_colour(double fmx, double fmy, int ex, int ey) {
    if (!keeper_cd) return 0;
    const int column = static_cast<int>(round_half_away(fmx)) % CELLS_WRAP;
    const int row = static_cast<int>(std::trunc(std::fabs(std::floor(fmy)))) % CELLS_WRAP;
    return keeper_cd->read_pixel(column * CELL + ex + FEET_X, row * CELL + ey + FEET_Y) & 0xFFFFFF;
}

int t_player::keeper_collision() {
    // Depth before this sub-step is measured against where the keeper stood
    // then: a keeper stepping towards the ball must not let it through him.
    const double y_before = y - sin_deg(a) * v / SUB_STEPS_PER_SECOND;
    if (std::fabs(ball.y - y) >= DEPTH_REACH || std::fabs(ball.y0 - y_before) < DEPTH_REACH) return 0;
    // Open play and the save states both ask in the same sub-step; the ball
    // must be caught, blocked or parried only once.
    if (collision_frame == replay_frame && collision_y0 == ball.y0) return 0;
    collision_frame = replay_frame;
    collision_y0 = ball.y0;

    const int ex = static_cast<int>(round_half_away(ball.x - x));
    const int ey = static_cast<int>(round_half_away(ball.y - y - ball.z + z));
    if (ex < -24 || ex > 25 || ey < -34 || ey > 15) return 0;
    switch (keeper_collision_colour(fmx, fmy, ex, ey)) {
    case CATCH_COLOUR:
        if (match_rules().tips_round_post(*this)) return 0;
        ball.v = 0;
        ball.vz = 0;
        ball.set_owner(shared_player(*this));
        return 1;
    case BLOCK_COLOUR:
        ball.v /= 4;
        ball.a = std::fmod(-ball.a, 360);
        ball.s = -ball.s;
        free_ball_touched_by(*this);
        return 0;
    case PARRY_COLOUR: {
        const double m = atan2_deg(ball.y - ball.y0, ball.x - ball.x0);
        const double vx = ball.v * cos_deg(m);
        const double vy = ball.v * sin_deg(m);
        const double new_vx = sign(vx) * (0.5 * std::fabs(vx) + 0.25 * std::fabs(vy)) + v * cos_deg(a);
        const double new_vy = parried_vy(new_vx, 0.7 * vy);
        ball.v = std::hypot(new_vx, new_vy);
        ball.a = atan2_deg(new_vy, new_vx);
        ball.vz = 1.5 * vz;
        free_ball_touched_by(*this);
        return 0;
    }
    default: return 0;
    }
}
