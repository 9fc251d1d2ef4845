#pragma once
#include "match/bench/bench_controls.hpp"
#include "match/core/match_mode.hpp"

// Bench screens by mode number.
namespace bench_mode {
constexpr int ENTER = 60;
constexpr int SUBSTITUTIONS = 61;
constexpr int FORMATION = 62;
constexpr int TACTICS = 63;
constexpr int EXIT = 64;
} // namespace bench_mode

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
