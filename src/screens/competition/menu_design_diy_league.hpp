#pragma once
// Designing a league: name, season, pitch, teams, matches, points and the bench.
#include <memory>

#include "core/game_mode.hpp"
#include "ui/menu_toolkit.hpp"
#include "ui/input_button.hpp"

// The rules of a new league: name, season or pitch, time, teams, rounds, points, bench.
class MenuDesignDiyLeague : public t_game_mode {
public:
    MenuDesignDiyLeague();

    void bc_update_league_name();
    void bc_season_pitch_type();
    void bc_season_start(int step);
    void bc_season_end(int step);
    void bc_pitch_type(int step);
    void bc_time();
    void bc_number_of_teams(int step);
    void bc_play_each_time(int step);
    void bc_points_for_a_win();
    void bc_substitutes(int step);
    void bc_bench_size(int step);
    void bc_exit();

    std::shared_ptr<t_input_button> w_league_name;
    t_button_ref w_season_pitch_type;
    t_button_ref w_season_start;
    t_button_ref w_season_separator;
    t_button_ref w_season_end;
    t_button_ref w_pitch_type;
    t_button_ref w_time;
    t_button_ref w_number_of_teams;
    t_button_ref w_play_each_time;
    t_button_ref w_points_for_a_win;
    t_button_ref w_substitutes;
    t_button_ref w_bench_size;

private:
    void update_captions();
};
