#pragma once
// A team: players, kits, tactics, statistics and its place in the team file.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "football/kit.hpp"
#include "football/player.hpp"
#include "platform/image.hpp"

class t_tactics;

constexpr int MIN_SQUAD = 16;
constexpr int MAX_SQUAD = 32;
constexpr int MIN_KITS = 3;
constexpr int MAX_KITS = 5;

constexpr int CONTROL_COMPUTER = 1;
constexpr int CONTROL_PLAYER = 2;
constexpr int CONTROL_COACH = 3;

// A club or national side. Players point back at their team, so a team is
// neither copied nor moved: hold it through t_team_ref.
class t_team {
public:
    t_team() { kits.reserve(MAX_KITS); }
    t_team(const t_team&) = delete;
    t_team& operator=(const t_team&) = delete;

    std::string confederation;
    int national = 0;
    std::string country;
    int number = 0;
    std::string ext;
    int size = 0;
    std::string name;
    int tactics = 0;
    int division = 0;
    std::string coach_name;
    std::string city;
    std::string stadium;
    std::vector<std::shared_ptr<t_player>> players;
    int subs_count = 0;
    int kit = 0;
    int kit_count = 0;
    std::vector<t_kit> kits; // capacity MAX_KITS: pointers from new_kit stay valid
    int index = 0;
    int control = 0;
    int dev = 0;
    int side = 0;
    std::shared_ptr<t_player> controlled;
    std::shared_ptr<t_player> nearest_1;
    std::shared_ptr<t_player> nearest_2;
    t_image_ref clnf;
    t_image_ref clnf_sh;
    int won = 0;
    int drawn = 0;
    int lost = 0;
    int goals_for = 0;
    int goals_against = 0;
    int points = 0;

    // Null when the squad is full.
    std::shared_ptr<t_player> new_player();
    int delete_player(const std::shared_ptr<t_player>& player);
    // Null when the team already has five kits.
    t_kit* new_kit();
    int delete_kit();
    void generate_scorers(int goals);
    void update_statistics(int scored, int conceded, int points_for_a_win);
    void reset_statistics();
    // Position is 0-based; a null tactic means the team's own slot.
    std::shared_ptr<t_player> player_at_position(int position, const t_tactics* tac = nullptr) const;
    int easy_subs(int wanted_role) const;
    // Match: the two players nearest the ball, and the recording of the whole squad.
    void find_nearest();
    void save(int f) const;
};

using t_team_ref = std::shared_ptr<t_team>;

extern std::array<t_team_ref, 2> match_teams;

inline bool is_confederation_code(const std::string& code) {
    return code == "UEF" || code == "CNC" || code == "CNM" || code == "CAF" || code == "AFC" || code == "OFC";
}

void sort_teams_by_name(std::vector<t_team_ref>& list);
float team_rating(const t_team& team);
int match_rating(const t_team& team, const t_team& opponent);
