#pragma once
// The base of leagues and cups: teams, fixtures, pitch, weather and the competition in progress.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "football/match_record.hpp"
#include "football/team.hpp"

constexpr int COMPETITION_LEAGUE = 0;
constexpr int COMPETITION_CUP = 1;
constexpr int PITCH_TYPES = 9;   // 0..8; 9 means random
constexpr int PITCH_RANDOM = 9;

extern const std::array<std::string, PITCH_TYPES + 1> pitch_type_keys;
extern const std::array<std::string, 12> month_keys;
// Translated at start-up.
extern std::array<std::string, PITCH_TYPES + 1> pitch_type_names;
extern std::array<std::string, 12> month_names;
// Percent by month (rows) and pitch type (columns); each row sums to 100.
extern const std::array<std::array<int, PITCH_TYPES>, 12> pitch_weights;

void fill_competition_names();

// Swaps two uniformly drawn entries as many times as the list is long.
void shuffle_teams(std::vector<t_team_ref>& list);

class t_competition {
public:
    t_competition() = default;
    virtual ~t_competition() = default;
    t_competition(const t_competition&) = delete;
    t_competition& operator=(const t_competition&) = delete;

    std::string name;
    int typ = COMPETITION_LEAGUE;
    int byseason = 1;
    int season_start = 7;
    int season_end = 4;
    int current_month = 0;
    int pitch_type = PITCH_RANDOM;
    int substitutions = 3;
    int bench_size = 5;
    int time = 0;
    int ended = 0;
    int user_prefers_result = 0;
    std::vector<t_team_ref> teams;
    int current_round = 0;
    int current_match = 0;
    int team_to_view = 0;
    // Whether the save file holds this competition (written by it, or read from it).
    bool in_save_file = false;

    virtual void initialize(const std::vector<t_team_ref>& list) { teams = list; }
    virtual void restart();
    int get_pitch_type() const;
    std::string get_byseason_label() const;
    std::string get_time_label() const;
    virtual std::string get_menu_title() const { return name; }

protected:
    // Month of the current round between season_start and season_end.
    void update_month_for(int rounds);
};

// The competition in progress, none between competitions.
extern std::shared_ptr<t_competition> competition;
// How many teams the team selection has to end with (2 for a friendly).
extern int teams_required;
