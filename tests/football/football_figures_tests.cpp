#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>

#include "football/football_startup.hpp"
#include "football/league.hpp"
#include "football/result_simulator.hpp"
#include "football/team_file.hpp"
#include "football_test_support.hpp"
#include "platform/random.hpp"
#include "platform/stream.hpp"

// Figures about the shipped data, printed for the record: reading time at
// start-up, data size and how a simulated season comes out. Only loose
// believability checks; nothing here is timed against a limit.

using namespace football_test;

namespace {

double milliseconds_per_run(int runs, const std::function<void()>& step) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i) step();
    const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / runs;
}

std::vector<t_team_ref> premier_division(const std::string& ext) {
    std::vector<t_team_ref> teams;
    for (int number = 1; number < 1000; ++number) {
        auto team = std::make_shared<t_team>();
        team->ext = ext;
        team->number = number;
        load_team(*team);
        if (team->size == 0) break;
        if (team->division == 1) teams.push_back(team);
    }
    return teams;
}

void play_season(t_league& league) {
    const size_t matches = league.calendar_current.size();
    for (size_t i = 0; i < matches; ++i) {
        const t_match& m = league.get_match();
        const int home = simulate_goals(*m.teams[0], *m.teams[1], false);
        const int away = simulate_goals(*m.teams[1], *m.teams[0], false);
        league.set_result(home, away);
        league.next_match();
    }
}

} // namespace

TEST(FootballFigures, StartUpReadingTimeAndDataSize) {
    in_assets here;
    const int runs = 20;
    const double catalogue = milliseconds_per_run(runs, [] {
        load_team_catalogue("en");
        mark_available_team_files();
    });
    const double presets = milliseconds_per_run(runs, [] { load_tactics_slots(); });
    const double calendars = milliseconds_per_run(runs, [] { read_calendars(); });
    std::printf("start-up reading: catalogue %.3f ms, tactics %.3f ms, calendars %.3f ms, total %.3f ms\n", catalogue,
                presets, calendars, catalogue + presets + calendars);

    uintmax_t team_bytes = 0;
    uintmax_t other_bytes = 0;
    int team_files = 0;
    for (const std::string folder : {"data", "tactics"}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
            if (!entry.is_regular_file()) continue;
            const bool team = entry.path().extension() == ".qst";
            (team ? team_bytes : other_bytes) += entry.file_size();
            team_files += team;
        }
    }
    std::printf("shipped data: %d team files %ju bytes, tables, calendars and presets %ju bytes\n", team_files,
                team_bytes, other_bytes);
    EXPECT_GT(team_files, 50);
}

TEST(FootballFigures, TwentyClubSeasonAndHowOftenTheStrongestFinishesTopThree) {
    in_assets here;
    read_calendars();
    const auto clubs = premier_division("eng");
    ASSERT_EQ(clubs.size(), 20u);
    const t_team_ref strongest =
        *std::max_element(clubs.begin(), clubs.end(), [](const auto& a, const auto& b) { return team_rating(*a) < team_rating(*b); });

    seed_rnd(2012);
    t_league league;
    league.name = "Figures";
    league.rounds = 2;
    league.initialize(clubs);
    play_season(league);
    std::printf("%-3s %-20s %6s %3s %3s %3s %3s %3s %4s\n", "", "team", "rating", "W", "D", "L", "F", "A", "PTS");
    int place = 0;
    for (const auto& t : league.table()) {
        std::printf("%-3d %-20s %6.2f %3d %3d %3d %3d %3d %4d\n", ++place, t->name.c_str(), team_rating(*t), t->won,
                    t->drawn, t->lost, t->goals_for, t->goals_against, t->points);
    }

    const int seasons = 1000;
    int top_three = 0;
    int champion = 0;
    for (int s = 0; s < seasons; ++s) {
        league.restart();
        play_season(league);
        const auto table = league.table();
        const auto at = std::find(table.begin(), table.end(), strongest) - table.begin();
        top_three += at < 3;
        champion += at == 0;
    }
    std::printf("strongest by rating (%s, %.2f): top three in %d of %d seasons, champion in %d\n",
                strongest->name.c_str(), team_rating(*strongest), top_three, seasons, champion);
    // The best squad should usually be up there, but not always.
    EXPECT_GT(top_three, seasons / 3);
    EXPECT_LT(champion, seasons);
}
