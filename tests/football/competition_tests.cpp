#include <gtest/gtest.h>

#include <set>

#include "football/calendar.hpp"
#include "football/catalogue.hpp"
#include "football/cup.hpp"
#include "football/football_startup.hpp"
#include "football/league.hpp"
#include "football_test_support.hpp"
#include "platform/random.hpp"

using namespace football_test;

namespace {

std::vector<t_team_ref> make_teams(int count) {
    std::vector<t_team_ref> teams;
    for (int i = 0; i < count; ++i) {
        auto t = std::make_shared<t_team>();
        t->name = std::string("Team ") + static_cast<char>('A' + i);
        teams.push_back(t);
    }
    return teams;
}

void load_shipped_calendars() {
    in_assets here;
    read_calendars();
}

// A one-round cup between two teams: the first match's home side and away side.
struct two_team_cup {
    t_cup cup;
    explicit two_team_cup(int legs, int extra_time, int penalties, int away_goals) {
        cup.set_rounds(1);
        cup.round[0].legs = legs;
        cup.round[0].extra_time = extra_time;
        cup.round[0].penalties = penalties;
        cup.away_goals = away_goals;
        cup.initialize(make_teams(2));
    }
    t_team_ref home() { return cup.get_match().teams[0]; }
    t_team_ref away() { return cup.get_match().teams[1]; }
};

std::vector<uint8_t> utf16_file(const std::string& ascii_with_line_ends) {
    std::vector<uint8_t> bytes = {0xFF, 0xFE};
    for (const char c : ascii_with_line_ends) {
        bytes.push_back(static_cast<uint8_t>(c));
        bytes.push_back(0);
    }
    return bytes;
}

} // namespace

TEST(CompetitionCalendar, ShippedFileHoldsValidRoundRobins) {
    const auto bytes = file_bytes(assets_dir() + "/" + calendar_path);
    ASSERT_EQ(bytes.size(), CALENDAR_BYTES);
    for (int n = CALENDAR_MIN_TEAMS; n <= CALENDAR_MAX_TEAMS; ++n) {
        SCOPED_TRACE("teams " + std::to_string(n));
        const size_t start = calendar_block_offset(n);
        const int matches = n * (n - 1) / 2;
        const int per_day = n / 2;
        std::set<std::pair<int, int>> pairs;
        std::vector<int> home(static_cast<size_t>(n), 0);
        for (int m = 0; m < matches; ++m) {
            const int a = bytes[start + 2 * static_cast<size_t>(m)];
            const int b = bytes[start + 2 * static_cast<size_t>(m) + 1];
            ASSERT_LT(a, n);
            ASSERT_LT(b, n);
            ASSERT_NE(a, b);
            EXPECT_TRUE(pairs.insert({std::min(a, b), std::max(a, b)}).second) << "pair played twice";
            ++home[static_cast<size_t>(a)];
        }
        for (int day = 0; day * per_day < matches; ++day) {
            std::set<int> playing;
            for (int m = day * per_day; m < (day + 1) * per_day; ++m) {
                EXPECT_TRUE(playing.insert(bytes[start + 2 * static_cast<size_t>(m)]).second);
                EXPECT_TRUE(playing.insert(bytes[start + 2 * static_cast<size_t>(m) + 1]).second);
            }
        }
        const auto [lo, hi] = std::minmax_element(home.begin(), home.end());
        EXPECT_LE(*hi - *lo, 1);
    }
    EXPECT_EQ(calendar_block_offset(CALENDAR_MAX_TEAMS + 1), CALENDAR_BYTES);
}

TEST(CompetitionLeague, SecondRoundReturnsEveryFixture) {
    load_shipped_calendars();
    seed_rnd(11);
    t_league league;
    league.rounds = 3;
    league.initialize(make_teams(7));
    ASSERT_EQ(league.calendar_current.size(), 3u * 21u);
    EXPECT_EQ(league.total_matches, 63);
    for (size_t m = 0; m < 21; ++m) {
        const auto& first = league.calendar_current[m];
        const auto& second = league.calendar_current[m + 21];
        const auto& third = league.calendar_current[m + 42];
        EXPECT_EQ(first.teams[0], second.teams[1]);
        EXPECT_EQ(first.teams[1], second.teams[0]);
        EXPECT_EQ(first.teams[0], third.teams[0]);
    }
    // Playing through moves the month from the season's start to its end.
    league.season_start = 7;
    league.season_end = 4;
    league.update_month();
    EXPECT_EQ(league.current_month, 7);
    for (int i = 0; i < 63; ++i) {
        league.set_result(1, 0);
        league.next_match();
        if (i == 20) {
            EXPECT_EQ(league.current_round, 1);
            EXPECT_EQ(league.current_month, (7 + 9 / 3) % 12);
        }
    }
    EXPECT_EQ(league.ended, 1);
    EXPECT_EQ(league.current_month, 4);
    int points = 0;
    for (const auto& t : league.teams) points += t->points;
    EXPECT_EQ(points, 63 * 3);
}

TEST(CompetitionLeague, TableOrdersByPointsDifferenceGoalsThenName) {
    auto teams = make_teams(4);
    auto set = [](t_team& t, int points, int scored, int conceded) {
        t.points = points;
        t.goals_for = scored;
        t.goals_against = conceded;
    };
    set(*teams[0], 6, 5, 5); // A
    set(*teams[1], 6, 6, 5); // B: better difference
    set(*teams[2], 6, 7, 6); // C: same difference as B, more goals
    set(*teams[3], 7, 0, 9); // D: most points
    t_league league;
    league.teams = teams;
    const auto table = league.table();
    EXPECT_EQ(table[0]->name, "Team D");
    EXPECT_EQ(table[1]->name, "Team C");
    EXPECT_EQ(table[2]->name, "Team B");
    EXPECT_EQ(table[3]->name, "Team A");
    set(*teams[0], 6, 7, 6);
    EXPECT_TRUE(league_table_order(*teams[0], *teams[2])); // all level: by name
    EXPECT_FALSE(league_table_order(*teams[2], *teams[0]));

    t_team draw;
    draw.update_statistics(2, 2, 3);
    draw.update_statistics(3, 1, 2);
    draw.update_statistics(0, 1, 2);
    EXPECT_EQ(draw.points, 3);
    EXPECT_EQ(draw.won + draw.drawn + draw.lost, 3);
}

TEST(CompetitionCup, SecondLegGoesToExtraTimeOrAwayGoals) {
    identity_dictionary words({"1ST LEG", "WIN", "ON AGGREGATE", "ON AWAY GOALS", "AFTER EXTRA TIME"});
    seed_rnd(3);
    {
        two_team_cup t(2, 1, 0, 0);
        const auto first_home = t.home();
        t.cup.set_result(1, 0, RESULT_AFTER_90);
        t.cup.next_match();
        EXPECT_EQ(t.cup.current_leg, 1);
        EXPECT_EQ(t.home(), t.cup.calendar_current[0].teams[0]);
        EXPECT_NE(t.home(), first_home);
        EXPECT_EQ(t.cup.get_match().status, "1ST LEG 0-1");
        t.cup.set_result(1, 0, RESULT_AFTER_90);
        EXPECT_EQ(t.cup.get_match().qualified, nullptr);
        EXPECT_EQ(t.cup.play_extra_time(), 1);
        EXPECT_EQ(t.cup.get_match().status, "1ST LEG 1-0");
        t.cup.set_result(2, 0, RESULT_AFTER_EXTRA_TIME);
        EXPECT_EQ(t.cup.get_match().qualified, t.home());
        EXPECT_EQ(t.cup.get_match().status, t.home()->name + " WIN 2-1 ON AGGREGATE AFTER EXTRA TIME");
        EXPECT_EQ(t.cup.ended, 1);
    }
    {
        two_team_cup t(2, 1, 0, 1);
        t.cup.set_result(2, 1, RESULT_AFTER_90);
        t.cup.next_match();
        const auto scored_away = t.home(); // the first leg's away side
        t.cup.set_result(1, 0, RESULT_AFTER_90);
        EXPECT_EQ(t.cup.play_extra_time(), 0);
        EXPECT_EQ(t.cup.play_penalties(), 0);
        EXPECT_EQ(t.cup.get_match().qualified, scored_away);
        EXPECT_EQ(t.cup.get_match().status, "2-2 ON AGGREGATE " + scored_away->name + " WIN ON AWAY GOALS");
    }
}

TEST(CompetitionCup, AggregateTurnsTheFirstLegRoundAndCountsAMissingOneAsNil) {
    t_match second_leg;
    second_leg.result = t_score{2, 1};
    // The first leg was 3-0 to today's away side, at home.
    second_leg.old_result = t_score{3, 0};
    EXPECT_EQ(two_leg_aggregate(second_leg), (t_score{2, 4}));
    second_leg.old_result.reset();
    EXPECT_EQ(two_leg_aggregate(second_leg), (t_score{2, 1}));
    second_leg.result.reset();
    second_leg.old_result = t_score{0, 1};
    EXPECT_EQ(two_leg_aggregate(second_leg), (t_score{1, 0}));
}

TEST(CompetitionCup, LevelMatchIsReplayedThenDecidedOnPenalties) {
    identity_dictionary words({"WIN", "ON PENALTIES", "AFTER EXTRA TIME", "90 MINUTES", "REPLAY", "FINAL"});
    seed_rnd(5);
    two_team_cup t(1, 2, 2, 0);
    t.cup.name = "CUP";
    t.cup.set_result(1, 1, RESULT_AFTER_90);
    EXPECT_EQ(t.cup.play_extra_time(), 0);
    EXPECT_EQ(t.cup.play_penalties(), 0);
    EXPECT_EQ(t.cup.get_match().qualified, nullptr);
    const auto first_home = t.home();
    t.cup.next_match();
    ASSERT_EQ(t.cup.calendar_current.size(), 1u);
    EXPECT_EQ(t.cup.current_leg, 1);
    EXPECT_EQ(t.cup.get_menu_title(), "CUP FINAL REPLAY");
    EXPECT_NE(t.home(), first_home);
    EXPECT_FALSE(t.cup.get_match().result.has_value());
    t.cup.set_result(0, 0, RESULT_AFTER_90);
    EXPECT_EQ(t.cup.play_extra_time(), 1);
    t.cup.set_result(2, 2, RESULT_AFTER_EXTRA_TIME);
    EXPECT_EQ(t.cup.play_penalties(), 1);
    t.cup.set_result(3, 4, RESULT_PENALTIES);
    EXPECT_EQ(t.cup.get_match().qualified, t.away());
    EXPECT_EQ(t.cup.get_match().status, t.away()->name + " WIN 4-3 ON PENALTIES AFTER EXTRA TIME");
    EXPECT_EQ(t.cup.qualified_teams.size(), 1u);
    EXPECT_EQ(t.cup.ended, 1);
}

TEST(CompetitionCup, SingleMatchWonInExtraTimeAndOnPenalties) {
    identity_dictionary words({"WIN", "ON PENALTIES", "AFTER EXTRA TIME", "90 MINUTES"});
    seed_rnd(8);
    two_team_cup t(1, 1, 1, 0);
    t.cup.set_result(0, 0, RESULT_AFTER_90);
    EXPECT_EQ(t.cup.play_extra_time(), 1);
    t.cup.set_result(1, 0, RESULT_AFTER_EXTRA_TIME);
    EXPECT_EQ(t.cup.get_match().status, "AFTER EXTRA TIME 90 MINUTES 0-0");
    EXPECT_EQ(t.cup.play_penalties(), 0);
    // Setting the result again does not put the winner through twice.
    t.cup.set_result(1, 0, RESULT_AFTER_EXTRA_TIME);
    EXPECT_EQ(t.cup.qualified_teams.size(), 1u);

    two_team_cup s(1, 1, 1, 0);
    s.cup.set_result(1, 1, RESULT_AFTER_90);
    s.cup.set_result(1, 1, RESULT_AFTER_EXTRA_TIME);
    EXPECT_EQ(s.cup.play_penalties(), 1);
    s.cup.set_result(5, 3, RESULT_PENALTIES);
    EXPECT_EQ(s.cup.get_match().status, s.home()->name + " WIN 5-3 ON PENALTIES AFTER EXTRA TIME");
}

TEST(CompetitionCup, RoundsAreNamedAndTeamsHalve) {
    identity_dictionary words({"FIRST ROUND", "SECOND ROUND", "THIRD ROUND", "QUARTER-FINAL", "SEMI-FINAL", "FINAL"});
    t_cup cup;
    cup.set_rounds(4);
    EXPECT_EQ(cup.round[0].name, "FIRST ROUND");
    EXPECT_EQ(cup.round[1].name, "QUARTER-FINAL");
    EXPECT_EQ(cup.round[2].name, "SEMI-FINAL");
    EXPECT_EQ(cup.round[3].name, "FINAL");
    EXPECT_EQ(cup.round[0].teams, 16);
    EXPECT_EQ(cup.round[3].teams, 2);
    EXPECT_EQ(cup.round[5].teams, 0);

    // A 16-team cup plays 8 + 4 + 2 + 1 matches and ends with one winner.
    seed_rnd(1);
    cup.initialize(make_teams(16));
    int played = 0;
    while (!cup.ended) {
        ASSERT_LT(played, 15);
        cup.set_result(2, 1, RESULT_AFTER_90);
        cup.next_match();
        ++played;
    }
    EXPECT_EQ(played, 15);
    EXPECT_EQ(cup.current_round, 4);
    EXPECT_EQ(cup.qualified_teams.size(), 1u);
}

TEST(CompetitionSeason, PitchTypesFollowTheMonth) {
    t_league league;
    league.current_month = 6; // July
    seed_rnd(42);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) seen.insert(league.get_pitch_type());
    EXPECT_FALSE(seen.count(0) || seen.count(7) || seen.count(8));
    EXPECT_TRUE(seen.count(2) && seen.count(6));
    league.byseason = 0;
    league.pitch_type = 3;
    EXPECT_EQ(league.get_pitch_type(), 3);
    for (const auto& row : pitch_weights) {
        int sum = 0;
        for (const int w : row) sum += w;
        EXPECT_EQ(sum, 100);
    }
}

TEST(CatalogueReading, SectionsEntriesAndTheCarriageReturnRule) {
    // The CR swallows the character after it, whatever that is.
    read_team_catalogue(utf16_file(">UEFA\r\nENG England           \r\nESP Spain\r\n>CONCACAF\r\n"
                                   "MEX Mexico\rXUSA USA\n>S2\n>S3\n>S4\n>S5\n>NATIONS\nUEF UEFA nations\n>END\nZZZ never\n"));
    EXPECT_EQ(team_files[1].ext, "eng");
    EXPECT_EQ(team_names[1], "England");
    EXPECT_EQ(team_files[1].confederation, 0);
    EXPECT_EQ(team_files[2].ext, "esp");
    EXPECT_EQ(team_files[3].ext, "mex");
    EXPECT_EQ(team_files[3].confederation, 1);
    EXPECT_EQ(team_files[4].ext, "usa");
    EXPECT_EQ(team_files[4].confederation, 1);
    EXPECT_EQ(team_files[5].ext, "uef");
    EXPECT_EQ(team_files[5].confederation, 6);
    EXPECT_TRUE(team_files[6].ext.empty());
    EXPECT_TRUE(team_files[0].ext.empty());
}

TEST(CatalogueReading, ShippedTableListsEveryTeamFile) {
    in_assets here;
    load_team_catalogue("en");
    mark_available_team_files();
    std::set<std::string> codes;
    int national = 0;
    for (int i = 1; i < CATALOGUE_ENTRIES; ++i) {
        const t_file& f = team_files[static_cast<size_t>(i)];
        if (f.ext.empty()) continue;
        EXPECT_EQ(f.avail, 1) << f.ext;
        EXPECT_TRUE(codes.insert(f.ext).second) << f.ext;
        EXPECT_GE(f.confederation, 0);
        EXPECT_LT(f.confederation, CATALOGUE_SECTIONS);
        EXPECT_FALSE(team_names[static_cast<size_t>(i)].empty());
        national += f.confederation == NATIONAL_SECTION;
    }
    EXPECT_EQ(national, 6);
    EXPECT_FALSE(codes.count("cus"));
    for (int section = 0; section < 6; ++section) {
        int count = 0;
        for (const auto& f : team_files) count += !f.ext.empty() && f.confederation == section;
        EXPECT_GE(count, 3) << "section " << section;
    }
}
