#pragma once
// Going to the bench: the camera pans to the coach before the bench panels open.
#include "match/bench/bench_controls.hpp"
#include "match/core/match_mode.hpp"

// The camera pans to the bench; the coach stands up when it gets there.
class t_match_bench_enter : public t_match_mode {
public:
    t_match_bench_enter();
    void update() override;

private:
    t_escape_key escape_;
};

// Within this many pixels of the bench the first panel opens.
constexpr double BENCH_REACHED = 10;
