#include "match/bench/bench_simulation.hpp"

#include <cmath>

#include "core/globals.hpp"
#include "football/team.hpp"
#include "match/core/match_state.hpp"
#include "match/players/player_movement.hpp"

void bench_sub_steps(const t_camera_args& camera_args, bool with_coaches) {
    for (int k = 0; k < SUB_STEPS; ++k) {
        ball.update();
        ball.in_field_keep();
        move_players(1, 1);
        if (with_coaches)
            for (t_coach& c : coaches) c.update();
        record_in_place(camera_args);
    }
}

t_camera_args camera_towards(int x_speed, double x, int y_speed, double y) {
    return {CAMERA_TO_TARGET, x_speed, x, 0, CAMERA_TO_TARGET, y_speed, y};
}

double view_distance_to(double x, double y) {
    const double dx = std::trunc(camera.x - x - PITCH_ORIGIN_X + screen_w / 2);
    const double dy = std::trunc(camera.y - y - PITCH_ORIGIN_Y + screen_h / 2);
    return std::hypot(dx, dy);
}
