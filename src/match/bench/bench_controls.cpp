#include "match/bench/bench_controls.hpp"

#include "football/team.hpp"
#include "match/core/match_helpers.hpp"
#include "platform/input.hpp"
#include "ui/input.hpp"

t_bench_controls::t_bench_controls(int team)
    : team_(team), escape_before_(key_down(KEY_ESCAPE)), escape_now_(escape_before_) {}

void t_bench_controls::read() {
    input_shift(team_);
    if (team_at(team_).control != CONTROL_COMPUTER) input_read(team_);
    escape_before_ = escape_now_;
    escape_now_ = key_down(KEY_ESCAPE);
}

int t_bench_controls::vertical_release() const {
    const t_input& in = input_of(team_);
    return in.y1 == 0 ? in.y2 : 0;
}

bool t_bench_controls::fire1_released() const {
    const t_input& in = input_of(team_);
    return in.fire11 != 0 && in.fire10 == 0;
}

bool t_bench_controls::sideways_pressed() const {
    const t_input& in = input_of(team_);
    return in.x1 != 0 && in.x2 == 0;
}

t_escape_key::t_escape_key() : before_(key_down(KEY_ESCAPE)) {}

bool t_escape_key::pressed() {
    const bool now = key_down(KEY_ESCAPE);
    const bool edge = now && !before_;
    before_ = now;
    return edge;
}
