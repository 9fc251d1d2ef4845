#pragma once
// The bench panel for changing the team's tactics.
#include <cstdint>

#include "match/bench/bench_controls.hpp"
#include "match/core/match_mode.hpp"
#include "platform/image.hpp"

// The eighteen tactics; fire on another one changes the team's tactics.
class t_match_bench_tactics : public t_match_mode {
public:
    t_match_bench_tactics();
    void update() override;
    void render() override;
    virtual void draw_tactics_switch();

    int32_t t;
    int32_t selected_tactics;

private:
    t_bench_controls controls_;
    t_image_ref picture_;
};
