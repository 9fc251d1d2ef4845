#pragma once
// Knock-out cups: rounds, legs, extra time, penalties, away goals and who goes through.
#include <array>
#include <string>
#include <vector>

#include "football/competition.hpp"

constexpr int CUP_MAX_ROUNDS = 6;
constexpr int RESULT_AFTER_90 = 0;
constexpr int RESULT_AFTER_EXTRA_TIME = 1;
constexpr int RESULT_PENALTIES = 2;

class t_round {
public:
    std::string name;
    int teams = 0;
    int legs = 1;
    int extra_time = 1; // 0 none, 1 yes, 2 only in replays
    int penalties = 0;  // 0 none, 1 yes, 2 only in replays
};

// Both legs' goals of a tie in the second leg's team order: home, away. A leg not yet played counts 0-0.
t_score two_leg_aggregate(const t_match& second_leg);

class t_cup : public t_competition {
public:
    t_cup();

    int away_goals = 0; // 0 off, 1 after 90 minutes, 2 after extra time
    int weather_effect = 4;
    int weather_intensity = 0;
    int sky = 0;
    int rounds = 4;
    std::array<t_round, CUP_MAX_ROUNDS> round;
    int current_leg = 0;
    int total_legs = 0;
    std::vector<t_team_ref> qualified_teams;
    std::vector<t_match> calendar_current;

    void initialize(const std::vector<t_team_ref>& list) override;
    void restart() override;
    void set_rounds(int n);
    t_match& get_match();
    void next_match();
    void next_leg();
    void next_round();
    void update_month() { update_month_for(rounds); }
    void calendar_generate();
    void calendar_print() const;
    void set_result(int goals_home, int goals_away, int kind);
    int play_extra_time() const;
    int play_penalties() const;
    t_team_ref get_qualified(const t_match& match) const;
    std::string get_match_status(const t_match& match) const;
    void update_round_names();
    std::string get_menu_title() const override;
    std::string get_away_goals_label() const;
    std::string get_legs_label(int round_index) const;
    std::string get_extra_time_label(int round_index) const;
    std::string get_penalties_label(int round_index) const;

private:
    const t_round& this_round() const;
    bool is_first_leg() const;
    bool is_second_leg() const;
    bool is_replay() const;
    // Away goals settle a level second leg: the side that scored more away wins.
    t_team_ref away_goals_winner(const t_match& match) const;
};
