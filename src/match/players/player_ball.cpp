// A player's reach of the predicted ball and the ball in a keeper's hands.
#include "match/core/match_helpers.hpp"
#include "match/core/match_state.hpp"

void t_player::update_frame_distance() {
    frame_distance = PREDICTION_FRAMES;
    for (int i = 0; i < PREDICTION_FRAMES; ++i) {
        const t_vec3d& q = ball.prediction[static_cast<size_t>(i)];
        // Squares compared: the square root cost more than all the rest.
        const double dx = q.x - x;
        const double dy = q.y - y;
        const double reach = speed_running * i / 40;
        if (dx * dx + dy * dy < reach * reach) {
            frame_distance = i;
            return;
        }
    }
}

void t_player::hold_ball(double dx, double dz) {
    if (ball.owner.get() != this) return;
    ball.x = x + dx;
    ball.y = y;
    ball.z = z + dz;
    ball.v = v;
    ball.vz = vz;
}
