#include "match/enhanced/referee.hpp"

#include <algorithm>
#include <cmath>

#include "core/settings.hpp"
#include "match/core/match_state.hpp"
#include "match/draw/sprite_frames_extra.hpp"
#include "match/enhanced/enhanced_tuning.hpp"
#include "platform/maths.hpp"

t_referee referee;

namespace {
// Running frames per unit he moves.
constexpr double RUN_CYCLE_PER_UNIT = 0.06;

// Where he wants to stand: off the ball's diagonal, towards the middle of the pitch.
void wanted_spot(double& wx, double& wy) {
    const double side_x = ball.x > 0 ? -1 : 1;
    const double side_y = ball.y > 0 ? -1 : 1;
    wx = ball.x + side_x * REFEREE_DISTANCE * 0.6;
    wy = ball.y + side_y * REFEREE_DISTANCE * 0.8;
}
} // namespace

void t_referee::follow_play() {
    if (card_left > 0) {
        --card_left;
        if (card_left == 0) card = t_card::none;
        return;
    }
    double wx = 0;
    double wy = 0;
    wanted_spot(wx, wy);
    const double dx = wx - x;
    const double dy = wy - y;
    const double gap = std::hypot(dx, dy);
    const double step = REFEREE_SPEED / SUB_STEPS_PER_SECOND;
    if (gap < step * 8) {
        fmy = -1; // standing
        a = atan2_deg(ball.y - y, ball.x - x);
        return;
    }
    // Jogs when play is near, runs when it got away from him.
    const double pace = gap > REFEREE_DISTANCE ? step : step * 0.6;
    x += dx / gap * pace;
    y += dy / gap * pace;
    a = atan2_deg(dy, dx);
    fmy = std::fmod(std::max(fmy, 0.0) + RUN_CYCLE_PER_UNIT * pace, REFEREE_RUN_FRAMES);
}

void t_referee::save(int f) {
    if (data.size() < static_cast<size_t>(REPLAY_FRAMES)) data.resize(REPLAY_FRAMES);
    t_data& d = data[static_cast<size_t>(f)];
    d.x = static_cast<float>(x);
    d.y = static_cast<float>(y);
    d.z = 0;
    d.fmx = static_cast<int32_t>(std::fmod(round_half_away(std::fmod(a + 360, 360) / 45), 8));
    d.fmy = card == t_card::yellow ? REFEREE_YELLOW_CARD_ROW
            : card == t_card::red  ? REFEREE_RED_CARD_ROW
            : fmy < 0             ? REFEREE_STANDING_ROW
                                   : REFEREE_RUN_ROW + static_cast<int32_t>(fmy) % REFEREE_RUN_FRAMES;
}

int t_referee::get_y(int f) const {
    return static_cast<size_t>(f) < data.size() ? static_cast<int>(data[static_cast<size_t>(f)].y) : static_cast<int>(y);
}

void set_up_referee() {
    referee = t_referee();
    referee.on_pitch = true;
    referee.x = -REFEREE_DISTANCE;
    referee.y = 0;
    sprites.push_back(&referee);
}
