#pragma once
// Playing a league: the table, the round's matches and the next match.
#include "football/league.hpp"
#include "screens/competition/competition_play.hpp"

// The league table and the next match, with play, result and next buttons.
class MenuPlayLeague : public t_play_screen {
public:
    MenuPlayLeague();

    t_match* match = nullptr;

private:
    void add_table(const t_league& league);
    void add_match_line(const t_match& m);
    void advance() override;
    void produce_result() override;
    t_match* current() override { return match; }
    t_league& league();
};

// The seven figures of a table row: played, won, drawn, lost, for, against, points.
std::array<int, 7> table_figures(const t_team& team);
