#include "match/keeper/keeper_positioning.hpp"

#include <algorithm>
#include <cmath>

#include "core/settings.hpp"
#include "match/core/match_helpers.hpp"
#include "match/core/match_rules.hpp"
#include "match/core/match_state.hpp"
#include "platform/maths.hpp"

namespace {
constexpr int TARGET_REFRESH = 100;
constexpr int FACE_BALL_AFTER = 240;
constexpr double GOAL_POST_REACH_X = 76;
constexpr double GUARD_LINE_Y = 632;
constexpr double GOAL_AREA_X = 126;
constexpr double GOAL_AREA_Y = 582;
constexpr double SHOT_SPEED = 180;
constexpr double TARGET_HYSTERESIS = 5;
constexpr double DANGER_LINE_Y = 320;
constexpr double DANGER_MOUTH_X = 126;
constexpr double DANGER_HEIGHT = 66;
constexpr double DANGER_DEPTH = 15;
constexpr double REACH = 88;
constexpr int FAR_AWAY_SUB_STEPS = 960;

bool truncated_between(double v, double a, double b) { return between(std::trunc(v), a, b); }

// Degrees from the keeper to the ball, as movement uses it.
double angle_to_ball(const t_player& p) { return atan2_deg(ball.y - p.y, ball.x - p.x); }
} // namespace

double keeper_reaction_sub_steps(int skill_keeper) {
    return (0.3 - 0.03 * skill_keeper) * SUB_STEPS_PER_SECOND;
}

void KeeperStatePositioning::init(t_player& p) {
    set_player(p);
    set_name("state_positioning");
}

void KeeperStatePositioning::entry_actions() {
    timer = 0;
    danger_time = 0;
    player->speed = player->speed_running;
}

void KeeperStatePositioning::do_actions() {
    t_player& p = *player;
    ++timer;
    if (timer % TARGET_REFRESH == 0) update_target();
    const double dx = round_half_away(p.tx - p.x);
    const double dy = round_half_away(p.ty - p.y);
    const bool moving = std::fabs(dx) >= 1 || std::fabs(dy) >= 1;
    if (moving) {
        p.v = p.speed_running * (0.25 + (std::sqrt(dx * dx + dy * dy) > 4 ? 0.6 : 0));
        p.a = std::fmod(atan2_deg(dy, dx) + 360, 360);
    } else {
        p.v = 0;
        if (timer > FACE_BALL_AFTER) p.a = angle_to_ball(p);
    }
    p.fmx = std::fmod(round_half_away(std::fmod(p.a + 360, 360) / 45), 8);
    p.fmy = moving ? std::fmod(p.fmy + 0.16 * p.v / 1000, 3) : 1;
}

void KeeperStatePositioning::update_target() {
    t_player& p = *player;
    const double s = p.team ? p.team->side : sign(p.y);
    const double r = 12 * ball.x / std::max(std::fabs(ball.y - sign(p.y) * GOAL_LINE_Y), 1.0);
    double target_x = sign(r) * std::min(std::fabs(r), GOAL_POST_REACH_X);
    double target_y = GUARD_LINE_Y * s;
    const bool has_prediction = p.frame_distance < PREDICTION_FRAMES;
    const auto& predicted = ball.prediction[static_cast<size_t>(std::min(p.frame_distance, PREDICTION_FRAMES - 1))];

    const double to_goal_now = distance(ball.x, ball.y, 0, GOAL_LINE_Y * s);
    const double to_goal_before = distance(ball.x0, ball.y0, 0, GOAL_LINE_Y * s);
    if (std::fabs(ball.x) < PENALTY_AREA_X && truncated_between(ball.y, PENALTY_AREA_FRONT * s, GOAL_LINE_Y * s) &&
        to_goal_before > to_goal_now) {
        if (ball.v > SHOT_SPEED) {
            if (has_prediction) target_x = predicted.x;
        } else {
            target_x = 0.5 * ball.x;
            target_y = s * (GOAL_LINE_Y - 0.5 * std::fabs(GOAL_LINE_Y - std::fabs(ball.y)));
        }
    }
    if (std::fabs(ball.x) < GOAL_AREA_X && truncated_between(ball.y, GOAL_AREA_Y * s, GOAL_LINE_Y * s) &&
        has_prediction) {
        target_x = predicted.x;
        target_y = predicted.y;
    }
    match_rules().adjust_keeper_target(p, target_x, target_y);
    if (distance(target_x, target_y, p.tx, p.ty) > TARGET_HYSTERESIS) {
        p.tx = target_x;
        p.ty = target_y;
    }
}

State* KeeperStatePositioning::check_conditions() {
    t_player& p = *player;
    const double ky = std::fabs(p.y);
    bool danger = false;
    if (std::fabs(ball.y) > DANGER_LINE_Y && std::fabs(ball.y) < GOAL_LINE_Y && sign(ball.y) == sign(p.y) &&
        !ball.owner) {
        for (const t_vec3d& q : ball.prediction) {
            const int qy = std::abs(q.y);
            if (std::abs(q.x) < DANGER_MOUTH_X && std::abs(q.z) < DANGER_HEIGHT && qy > GOAL_LINE_Y &&
                qy < GOAL_LINE_Y + DANGER_DEPTH) {
                danger = true;
                break;
            }
        }
    }
    danger_time = danger ? danger_time + 1 : 0;
    if (danger_time <= keeper_reaction_sub_steps(p.skill_keeper)) return nullptr;

    double h = 0;
    double dx = -p.x;
    int t = FAR_AWAY_SUB_STEPS;
    for (int i = 0; i < PREDICTION_FRAMES; ++i) {
        const t_vec3d& q = ball.prediction[static_cast<size_t>(i)];
        const double qy = std::abs(q.y);
        if (std::fabs(q.x - p.x) < DANGER_MOUTH_X && std::abs(q.z) < DANGER_HEIGHT && qy > ky &&
            qy < ky + DANGER_DEPTH) {
            h = q.z;
            dx = q.x - p.x;
            t = SUB_STEPS * i;
            break;
        }
    }
    return choose_save(p, dx, h, t);
}

State* choose_save(t_player& keeper, double dx, double h, int t) {
    const double side = std::fabs(dx);
    const bool in_time = t > 120 && t < 336;
    State* save = nullptr;
    if (h >= DANGER_HEIGHT || std::sqrt(dx * dx + h * h) >= REACH) return nullptr;
    if (side < 8) {
        if (h > 30 && t < 288) save = keeper.state_catching_high.get();
    } else if (h < 7 && side > 71) {
        if (in_time) {
            keeper.thrust_x = (side - 71) / 55;
            save = keeper.state_diving_low_single.get();
        }
    } else if (h < 7) {
        if (t < 240) {
            keeper.thrust_x = (side - 8) / 63;
            save = keeper.state_diving_low_double.get();
        }
    } else if (h < 21) {
        if (in_time) {
            keeper.thrust_x = (side - 8) / 63;
            keeper.thrust_z = (h - 7) / 14;
            save = keeper.state_diving_middle_two.get();
        }
    } else if (h < 27 && side < 87) {
        if (in_time) {
            keeper.thrust_x = (side - 8) / 79;
            keeper.thrust_z = (h - 17) / 6;
            save = keeper.state_diving_middle_one.get();
        }
    } else if (h >= 27 && h < 44 && side < 87) {
        if (in_time) {
            keeper.thrust_x = (side - 8) / 79;
            keeper.thrust_z = std::min((h - 27) / 8, 1.0);
            save = keeper.state_diving_high_one.get();
        }
    }
    if (save) keeper.a = dx >= 0 ? 0 : 180;
    return save;
}
