#pragma once
// The bench panel of the substitutes: picking who warms up to come on.
#include <cstdint>

#include "match/bench/bench_controls.hpp"
#include "match/core/match_mode.hpp"
#include "platform/image.hpp"

// "BENCH": the substitutes; choosing one sends him to the touchline and opens the formation
// to pick the player he replaces.
class t_match_bench_substitutions : public t_match_mode {
public:
    t_match_bench_substitutions();
    void update() override;
    void render() override;
    virtual void draw_bench_players();

    int32_t t;
    int32_t bench_size;

private:
    // Fire 1 on a bench row.
    void choose_substitute();

    t_bench_controls controls_;
    t_image_ref picture_;
};
