#include "match/players/control_computer.hpp"

#include <cmath>

#include "core/settings.hpp"
#include "match/players/control_kick.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"
#include "match/players/player_refs.hpp"
#include "platform/maths.hpp"
#include "ui/input.hpp"

namespace {
constexpr double MIDDLE_LANE = 77;
constexpr double WING_LANE = 412; // the middle of the outer zone column
constexpr int SHOOTING_DEPTH_FIRST = 379;
constexpr int SHOOTING_DEPTH_LAST = 640;
constexpr double STRAIGHT_AHEAD = 12;
constexpr double FREE_BALL_STEP = 20;
constexpr double FAR_POST_AIM_X = 55;

void stick_towards(t_input& in, double direction) {
    in.x0 = static_cast<int>(round_half_away(cos_deg(direction)));
    in.y0 = static_cast<int>(round_half_away(sin_deg(direction)));
}

void set_stick(t_input& in, int x, int y, int fire) {
    in.x0 = x;
    in.y0 = y;
    in.fire10 = fire;
}

// Past halfway he cuts in towards the goal. In his own half he keeps out of
// the middle: out to the wing he is on and up it, and right in front of his
// own goal even from the middle lane. Cutting in everywhere kept the whole
// game in a lane 77 wide down the middle: the ball never went out over a
// touchline.
int lane_x(const t_team& t, int depth) {
    const int lane = sign(round_half_away(ball.x / MIDDLE_LANE));
    if (sign(ball.y) != t.side) return -lane;
    if (std::fabs(ball.x) >= WING_LANE) return 0;
    return depth <= -SHOOTING_DEPTH_FIRST ? sign(ball.x) : lane;
}

void attack(int team, const t_team& t, t_input& in) {
    const int depth = static_cast<int>(std::trunc(-t.side * ball.y));
    in.x0 = lane_x(t, depth);
    in.y0 = -t.side;
    const bool shooting = depth >= SHOOTING_DEPTH_FIRST && depth <= SHOOTING_DEPTH_LAST;
    const bool keeper_kicks = is_keeper_slot(team, t.controlled);
    // Heading out to the wing he passes to the team-mate ahead of him instead
    // of holding the kick into a long ball: that only found the crowd, and
    // the throw-in it gave away came back the same way over and over.
    const bool heading_out = in.x0 != 0 && in.x0 == sign(ball.x);
    const bool mate_ahead = std::fabs(aim_correction(team)) < STRAIGHT_AHEAD && !(heading_out && in.fired == 1);
    in.fire10 = shooting || keeper_kicks || mate_ahead ? 1 : 0;
}

void go_for_ball(const t_team& t, t_input& in, bool free_ball) {
    if (t.nearest_1) {
        double d = atan2_deg(ball.y - t.nearest_1->y, ball.x - t.nearest_1->x);
        if (free_ball) d -= std::fmod(d, FREE_BALL_STEP);
        stick_towards(in, d);
    } else {
        in.x0 = 0;
        in.y0 = 0;
    }
    in.fire10 = t.controlled ? 0 : 1;
}
// Near goal he goes for it, round the wall's far end; farther out he plays it to the nearest team-mate.
void take_free_kick(const t_team& t, t_input& in) {
    if (const auto aim = free_kick_aim(t)) stick_towards(in, *aim);
    in.fire10 = 1;
}
} // namespace

std::optional<double> free_kick_aim(const t_team& t) {
    const double goal_y = -t.side * GOAL_LINE_Y;
    if (std::fabs(goal_y - ball.y) < FREE_KICK_SHOOTING_RANGE) {
        const double far_post = -sign(ball.x) * FAR_POST_AIM_X;
        return atan2_deg(goal_y - ball.y, far_post - ball.x);
    }
    if (t.nearest_1 && t.nearest_2) return atan2_deg(t.nearest_2->y - t.nearest_1->y, t.nearest_2->x - t.nearest_1->x);
    return std::nullopt;
}

void computer_controller(int team) {
    const t_team& t = team_at(team);
    t_input& in = input_of(team);
    in.fire20 = 0;
    switch (match_status.event) {
    case t_match_status::THROW_IN:
        if (t.nearest_1 && t.nearest_2)
            stick_towards(in, atan2_deg(t.nearest_2->y - t.nearest_1->y, t.nearest_2->x - t.nearest_1->x));
        in.fire10 = 1;
        break;
    case t_match_status::GOAL_KICK: set_stick(in, 0, -t.side, 1); break;
    case t_match_status::CORNER: set_stick(in, -sign(ball.x), -sign(ball.y), 1); break;
    case t_match_status::GOAL: set_stick(in, sign(ball.x), -sign(ball.y), 0); break;
    case t_match_status::GOALIE: set_stick(in, 0, -sign(ball.y), 1); break;
    case t_match_status::FREE_KICK: take_free_kick(t, in); break;
    default:
        if (team_owns_ball(team)) {
            attack(team, t, in);
        } else {
            go_for_ball(t, in, !ball.owner);
        }
        break;
    }
}
