#pragma once
// Leaving the bench: the coach sits down and the held phase goes on.
#include "match/core/match_mode.hpp"

// The coach sits down and the camera pans back; the held phase goes on once the view is back.
class t_match_bench_exit : public t_match_mode {
public:
    t_match_bench_exit();
    void update() override;
};

// Within this many pixels of the old view play resumes.
constexpr double VIEW_RESTORED = 1;
