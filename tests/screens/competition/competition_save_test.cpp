#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "competition_test_support.hpp"
#include "football/competition_save.hpp"
#include "platform/random.hpp"
#include "screens/competition/competition_design.hpp"
#include "screens/competition/competition_results.hpp"
#include "screens/competition/menu_play_league.hpp"

using namespace screen_test;
using namespace competition_test;

namespace {
class Save : public testing::Test {
protected:
    void SetUp() override { seed_rnd(11); }
    game_folder folder;
};

std::string file_text(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_text(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

void expect_same_team(const t_team& a, const t_team& b) {
    EXPECT_EQ(a.ext, b.ext);
    EXPECT_EQ(a.number, b.number);
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.control, b.control);
    EXPECT_EQ(table_figures(a), table_figures(b)) << a.name;
    ASSERT_EQ(a.players.size(), b.players.size());
    for (size_t i = 0; i < a.players.size(); ++i) {
        EXPECT_EQ(a.players[i]->surname, b.players[i]->surname);
        EXPECT_EQ(a.players[i]->goals, b.players[i]->goals);
    }
}

void expect_same_calendar(const std::vector<t_match>& a, const std::vector<t_match>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].teams[0]->name, b[i].teams[0]->name);
        EXPECT_EQ(a[i].teams[1]->name, b[i].teams[1]->name);
        EXPECT_EQ(a[i].result, b[i].result);
        EXPECT_EQ(a[i].result_after90, b[i].result_after90);
        EXPECT_EQ(a[i].result_penalties, b[i].result_penalties);
        EXPECT_EQ(a[i].old_result, b[i].old_result);
        EXPECT_EQ(a[i].status, b[i].status);
        EXPECT_EQ(a[i].qualified == nullptr, b[i].qualified == nullptr);
        if (a[i].qualified) {
            EXPECT_EQ(a[i].qualified->name, b[i].qualified->name);
        }
    }
}
} // namespace

TEST_F(Save, LeagueMidSeasonComesBackWithTableScorersAndNextMatch) {
    auto league = std::make_shared<t_league>();
    league->name = "EVENING LEAGUE";
    league->rounds = 2;
    league->points_for_a_win = 2;
    league->byseason = 0;
    league->pitch_type = 5;
    competition = league;
    league->initialize(loaded_teams("cus", 5));
    league->teams[2]->control = CONTROL_COACH;
    std::swap(league->teams[1]->players[0], league->teams[1]->players[12]); // a changed line-up
    for (int i = 0; i < 13; ++i) {
        view_league_result(*league);
        league->next_match();
    }
    view_league_result(*league); // the result of match 14 is shown, NEXT MATCH not yet pressed
    ASSERT_TRUE(save_competition(*league, competition_save_path));
    EXPECT_FALSE(std::filesystem::exists(competition_save_path + ".tmp"));

    std::string error;
    const auto back = std::dynamic_pointer_cast<t_league>(read_competition(competition_save_path, error));
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->name, "EVENING LEAGUE");
    EXPECT_EQ(back->rounds, 2);
    EXPECT_EQ(back->points_for_a_win, 2);
    EXPECT_EQ(back->pitch_type, 5);
    EXPECT_EQ(back->byseason, 0);
    EXPECT_EQ(back->current_match, 13);
    EXPECT_EQ(back->current_round, 1);
    ASSERT_EQ(back->teams.size(), 5u);
    for (size_t i = 0; i < 5; ++i) expect_same_team(*league->teams[i], *back->teams[i]);
    expect_same_calendar(league->calendar_current, back->calendar_current);
    // The calendar's teams are the competition's own team objects.
    EXPECT_EQ(back->get_match().teams[0].get(),
              std::find(back->teams.begin(), back->teams.end(), back->get_match().teams[0])->get());

    // Carrying on from the saved copy plays the rest of the season.
    competition = back;
    for (int i = 0; i < 10 && back->ended == 0; ++i) {
        if (!back->get_match().result) view_league_result(*back);
        back->next_match();
    }
    EXPECT_EQ(back->ended, 1);
}

TEST_F(Save, CupInItsSecondLegComesBackWithQualifiedTeams) {
    auto cup = std::make_shared<t_cup>();
    cup->set_rounds(3);
    cup->away_goals = 2;
    cup->round[0].legs = 2;
    cup->round[1].penalties = 1;
    competition = cup;
    cup->initialize(loaded_teams("eng", 8));
    for (int i = 0; i < 6; ++i) {
        view_cup_result(*cup);
        cup->next_match();
    }
    ASSERT_EQ(cup->current_leg, 1);
    ASSERT_TRUE(save_competition(*cup, competition_save_path));
    std::string error;
    const auto back = std::dynamic_pointer_cast<t_cup>(read_competition(competition_save_path, error));
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->away_goals, 2);
    EXPECT_EQ(back->current_leg, 1);
    EXPECT_EQ(back->current_match, 2);
    EXPECT_EQ(back->round[0].legs, 2);
    EXPECT_EQ(back->round[1].penalties, 1);
    EXPECT_EQ(back->round[2].name, cup->round[2].name);
    expect_same_calendar(cup->calendar_current, back->calendar_current);
    ASSERT_EQ(back->qualified_teams.size(), cup->qualified_teams.size());
    for (size_t i = 0; i < cup->qualified_teams.size(); ++i)
        EXPECT_EQ(back->qualified_teams[i]->name, cup->qualified_teams[i]->name);

    competition = back;
    for (int i = 0; i < 40 && back->ended == 0; ++i) {
        if (!back->get_match().result) view_cup_result(*back);
        back->next_match();
    }
    EXPECT_EQ(back->ended, 1);
}

TEST_F(Save, DamagedOrForeignFilesAreReportedAndLeftAlone) {
    auto league = std::make_shared<t_league>();
    competition = league;
    league->initialize(loaded_teams("cus", 4));
    view_league_result(*league);
    ASSERT_TRUE(save_competition(*league, competition_save_path));
    const std::string whole = file_text(competition_save_path);
    std::string error;

    write_text(competition_save_path, whole.substr(0, whole.size() / 2));
    EXPECT_FALSE(read_competition(competition_save_path, error));
    EXPECT_FALSE(error.empty());

    write_text(competition_save_path, "[settings]\nvolume=3\n");
    EXPECT_FALSE(read_competition(competition_save_path, error));
    EXPECT_NE(error.find("not a competition save"), std::string::npos);

    std::string bad_index = whole;
    bad_index.replace(bad_index.find("match 0 "), 8, "match 9 ");
    write_text(competition_save_path, bad_index);
    EXPECT_FALSE(read_competition(competition_save_path, error));

    std::string missing_team = whole;
    missing_team.replace(missing_team.find("team cus"), 8, "team zzz");
    write_text(competition_save_path, missing_team);
    EXPECT_FALSE(read_competition(competition_save_path, error));
    EXPECT_NE(error.find("zzz"), std::string::npos);

    // At start-up the damaged file gives no competition and stays as it was.
    write_text(competition_save_path, whole.substr(0, 40));
    competition.reset();
    testing::internal::CaptureStdout();
    load_competition_save();
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(competition);
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1);
    EXPECT_NE(out.find(competition_save_path), std::string::npos);
    EXPECT_EQ(file_text(competition_save_path), whole.substr(0, 40));

    write_text(competition_save_path, whole);
    load_competition_save();
    ASSERT_TRUE(competition);
    EXPECT_EQ(competition->teams.size(), 4u);
}

TEST_F(Save, TableFiguresTheCalendarCannotHaveGivenAreRefused) {
    auto league = std::make_shared<t_league>();
    league->points_for_a_win = 3;
    competition = league;
    league->initialize(loaded_teams("cus", 4));
    view_league_result(*league);
    ASSERT_TRUE(save_competition(*league, competition_save_path));
    const std::string whole = file_text(competition_save_path);
    std::string error;

    // "team EXT NUMBER control dev tactics kit won drawn lost for against points players"
    constexpr int WON = 7, DRAWN = 8, LOST = 9, FOR = 10, AGAINST = 11, POINTS = 12;
    const auto with_figures = [&](const std::vector<std::pair<int, std::string>>& figures) {
        std::string text = whole;
        for (const auto& [field, value] : figures) {
            size_t start = text.find("team cus ");
            for (int f = 0; f < field; ++f) start = text.find(' ', start) + 1;
            text.replace(start, text.find(' ', start) - start, value);
        }
        return text;
    };
    const std::vector<std::pair<int, std::string>> absurd[] = {
        {{POINTS, "2147483647"}}, {{POINTS, "-1"}}, {{WON, "2147483647"}}, {{DRAWN, "-3"}},
        {{LOST, "4"}},            {{FOR, "2147483647"}}, {{AGAINST, "-1"}}, {{WON, "0"}, {DRAWN, "0"}, {POINTS, "1"}}};
    for (const auto& figures : absurd) {
        write_text(competition_save_path, with_figures(figures));
        EXPECT_FALSE(read_competition(competition_save_path, error)) << figures.front().first << " " << figures.front().second;
        EXPECT_NE(error.find("out of range"), std::string::npos) << error;
    }
    // Four teams, one round: three matches each, so three wins, 2997 goals and nine points can be true.
    write_text(competition_save_path, with_figures({{WON, "3"}, {DRAWN, "0"}, {LOST, "0"}, {FOR, "2997"},
                                                    {AGAINST, "0"}, {POINTS, "9"}}));
    const auto back = read_competition(competition_save_path, error);
    ASSERT_TRUE(back) << error;
    back->teams.front()->update_statistics(999, 0, 3);
    EXPECT_EQ(back->teams.front()->points, 12);
}

TEST_F(Save, PlayScreenSavesOnEveryVisit) {
    auto league = std::make_shared<t_league>();
    competition = league;
    league->initialize(loaded_teams("cus", 3));
    menu.status = 2;
    {
        MenuPlayLeague screen;
        screen.bc_view_result();
    }
    drain_actions();
    MenuPlayLeague again;
    std::string error;
    const auto back = std::dynamic_pointer_cast<t_league>(read_competition(competition_save_path, error));
    ASSERT_TRUE(back) << error;
    EXPECT_TRUE(back->calendar_current[0].result);
}

// The warning was confirmed and a new league designed: giving it up before its teams
// are chosen brings the old competition back; once the new one is played, the old
// save is gone for good, even when the new one could not be written.
TEST_F(Save, AGivenUpDesignKeepsTheOldCompetitionAndAStartedOneReplacesIt) {
    auto old = std::make_shared<t_league>();
    old->name = "OLD LEAGUE";
    competition = old;
    old->initialize(loaded_teams("cus", 4));
    save_competition_in_progress();

    designed_league = std::make_shared<t_league>();
    designed_league->name = "NEW LEAGUE";
    designed_league->number_of_teams = 3;
    start_league_team_choice(t_team_family::custom);
    drain_actions();
    ASSERT_TRUE(competition);
    EXPECT_EQ(competition->name, "NEW LEAGUE");
    restore_competition_in_progress();
    ASSERT_TRUE(competition);
    EXPECT_EQ(competition->name, "OLD LEAGUE");
    EXPECT_EQ(competition->teams.size(), 4u);

    // A new league whose first save fails takes the stale file with it.
    auto failing = std::make_shared<t_league>();
    failing->name = "FAILING LEAGUE";
    competition = failing;
    failing->initialize(loaded_teams("cus", 3));
    std::filesystem::create_directory(competition_save_path + ".tmp");
    save_competition_in_progress();
    EXPECT_FALSE(std::filesystem::exists(competition_save_path));
    restore_competition_in_progress();
    EXPECT_FALSE(competition);

    // One that is in the file keeps its last good save when a later save fails.
    std::filesystem::remove(competition_save_path + ".tmp");
    auto started = std::make_shared<t_league>();
    started->name = "NEW LEAGUE";
    competition = started;
    started->initialize(loaded_teams("cus", 3));
    menu.status = 2;
    { MenuPlayLeague screen; }
    drain_actions();
    std::string error;
    auto back = read_competition(competition_save_path, error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->name, "NEW LEAGUE");
    std::filesystem::create_directory(competition_save_path + ".tmp");
    save_competition_in_progress();
    back = read_competition(competition_save_path, error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->name, "NEW LEAGUE");
    std::filesystem::remove(competition_save_path + ".tmp");
}
