#pragma once
// Designing a cup: name, season, pitch, away goals, rounds and the bench.
#include <array>
#include <memory>

#include "core/game_mode.hpp"
#include "football/cup.hpp"
#include "ui/menu_toolkit.hpp"
#include "ui/input_button.hpp"

// The rules of a new cup: name, season or pitch, away goals, time, bench, and per round
// its legs, extra time and penalties.
class MenuDesignDiyCup : public t_game_mode {
public:
    MenuDesignDiyCup();

    void bc_update_cup_name();
    void bc_season_pitch_type();
    void bc_season_start(int step);
    void bc_season_end(int step);
    void bc_pitch_type(int step);
    void bc_away_goals();
    void bc_time();
    void bc_rounds(int step);
    void bc_substitutes(int step);
    void bc_bench_size(int step);
    void bc_legs(int round_index);
    void bc_extra_time(int round_index);
    void bc_penalties(int round_index);
    void bc_exit();

    std::shared_ptr<t_input_button> w_cup_name;
    t_button_ref w_season_pitch_type;
    t_button_ref w_season_start;
    t_button_ref w_season_separator;
    t_button_ref w_season_end;
    t_button_ref w_pitch_type;
    t_button_ref w_away_goals_caption;
    t_button_ref w_away_goals;
    t_button_ref w_time;
    t_button_ref w_rounds;
    t_button_ref w_substitutes;
    t_button_ref w_bench_size;
    std::array<t_button_ref, CUP_MAX_ROUNDS> w_round_name;
    std::array<t_button_ref, CUP_MAX_ROUNDS> w_round_teams;
    std::array<t_button_ref, CUP_MAX_ROUNDS> w_round_legs;
    std::array<t_button_ref, CUP_MAX_ROUNDS> w_round_extra_time;
    std::array<t_button_ref, CUP_MAX_ROUNDS> w_round_penalties;

private:
    void update_captions();
};

// Where round row i of the cup design and info screens stands.
constexpr int cup_round_row_y(int i) { return 316 + 31 * i; }
