#pragma once
// Leagues: the fixture list, results, the table and its order.
#include <vector>

#include "football/competition.hpp"

// Table order: points, goal difference, goals scored, then name.
bool league_table_order(const t_team& a, const t_team& b);

class t_league : public t_competition {
public:
    t_league() { typ = COMPETITION_LEAGUE; }

    int weather_effect = 0;
    int weather_intensity = 0;
    int sky = 0;
    int number_of_teams = 2;
    int total_matches = 0;
    int rounds = 1;
    int points_for_a_win = 3;
    std::vector<t_match> calendar_current;

    void initialize(const std::vector<t_team_ref>& list) override;
    void restart() override;
    t_match& get_match();
    void next_match();
    void next_round();
    void update_month() { update_month_for(rounds); }
    void calendar_generate();
    void set_result(int goals_home, int goals_away);
    std::string get_menu_title() const override { return name; }
    // The teams in table order.
    std::vector<t_team_ref> table() const;
};
