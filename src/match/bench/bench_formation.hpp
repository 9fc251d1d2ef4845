#pragma once
// The formation panel of the bench: bringing a substitute on and swapping positions.
#include <cstdint>

#include "match/bench/bench_controls.hpp"
#include "match/core/match_mode.hpp"
#include "platform/image.hpp"

// "FORMATION": the eleven by tactical position. With a substitute waiting, fire on a position
// brings him on for that player; otherwise two positions marked one after the other change places.
class t_match_bench_formation : public t_match_mode {
public:
    t_match_bench_formation();
    void update() override;
    void render() override;
    virtual void draw_formation();

    int32_t t;
    int32_t for_swap = 0;

private:
    void select_row();
    void exchange();
    // A waiting substitute goes back to his seat, the cursor on his bench row.
    void send_substitute_back();

    t_bench_controls controls_;
    t_image_ref picture_;
};
