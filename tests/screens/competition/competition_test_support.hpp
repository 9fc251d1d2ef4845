#pragma once
// Competitions filled with real teams of the shipped data, and screens driven like a player.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../main_menu/screen_test_support.hpp"
#include "football/cup.hpp"
#include "football/league.hpp"
#include "football/team_file.hpp"
#include "screens/friendly/team_selection.hpp"

namespace competition_test {

// The first `count` teams of a team file, fully loaded; the fixture table is read too,
// as the game does at start-up.
inline std::vector<t_team_ref> loaded_teams(const std::string& ext, int count) {
    read_calendars();
    std::vector<t_team_ref> teams;
    const std::vector<t_team_entry> entries = read_team_entries(ext);
    for (int n = 0; n < count && n < static_cast<int>(entries.size()); ++n) {
        auto t = std::make_shared<t_team>();
        t->ext = ext;
        t->number = entries[static_cast<size_t>(n)].number;
        t->control = CONTROL_COMPUTER;
        t->dev = -1;
        load_team(*t);
        EXPECT_FALSE(t->players.empty()) << ext << " " << t->number;
        teams.push_back(t);
    }
    EXPECT_EQ(static_cast<int>(teams.size()), count);
    return teams;
}

inline int total_player_goals(const std::vector<t_team_ref>& teams) {
    int goals = 0;
    for (const t_team_ref& t : teams)
        for (const auto& p : t->players) goals += p->goals;
    return goals;
}

} // namespace competition_test
