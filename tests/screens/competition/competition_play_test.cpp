#include <gtest/gtest.h>

#include <set>

#include "competition_test_support.hpp"
#include "football/penalty_shootout.hpp"
#include "platform/random.hpp"
#include "screens/competition/competition_results.hpp"
#include "screens/competition/competition_rules.hpp"
#include "screens/competition/menu_play_cup.hpp"
#include "screens/competition/menu_play_league.hpp"
#include "screens/competition/menu_top_scorers.hpp"
#include "screens/friendly/team_selection.hpp"

using namespace screen_test;
using namespace competition_test;

namespace {
class Play : public testing::Test {
protected:
    void SetUp() override {
        seed_rnd(7);
        menu.status = STATUS_COMPETITION;
    }
    game_folder folder;
};

// Plays every match by its result through the play screen's own buttons, rebuilding it after each.
template <class Screen> int play_out(int mode, int limit) {
    int results = 0;
    for (int guard = 0; guard < limit && competition->ended == 0; ++guard) {
        Screen screen;
        if (menu.show_result == 1) {
            EXPECT_EQ(screen.selected_widget, screen.w_next_match);
            fire(screen);
        } else {
            EXPECT_EQ(screen.selected_widget, screen.w_view_result);
            fire(screen);
            ++results;
        }
        EXPECT_EQ(drain_actions(), new_screen(mode));
    }
    return results;
}

std::vector<std::string> table_names(const MenuPlayLeague& screen) {
    std::vector<std::string> names;
    for (const t_widget_ref& w : screen.widgets)
        if (w->x == 140 && w->w == 322) names.push_back(w->text);
    return names;
}
} // namespace

TEST_F(Play, LeagueOfFourOverTwoRoundsPlayedByResultsEndsWithItsTable) {
    auto league = std::make_shared<t_league>();
    league->name = "TEST LEAGUE";
    league->rounds = 2;
    competition = league;
    league->initialize(loaded_teams("cus", 4));
    ASSERT_EQ(league->calendar_current.size(), 12u);

    EXPECT_EQ(play_out<MenuPlayLeague>(21, 100), 12);
    EXPECT_EQ(league->ended, 1);

    int goals_for = 0, goals_against = 0, points = 0, draws = 0;
    for (const t_team_ref& t : league->teams) {
        EXPECT_EQ(table_figures(*t)[0], 6) << t->name;
        goals_for += t->goals_for;
        goals_against += t->goals_against;
        points += t->points;
        draws += t->drawn;
    }
    EXPECT_EQ(goals_for, goals_against);
    // Each of the 12 matches gives 3 points to a winner or 1 to each side of a draw.
    EXPECT_EQ(points, 3 * 12 - draws / 2);
    EXPECT_EQ(total_player_goals(league->teams), goals_for);
    for (const t_match& m : league->calendar_current) EXPECT_TRUE(m.result);

    // The ended league shows only its table, the winner, STATS and EXIT.
    MenuPlayLeague ended;
    EXPECT_FALSE(ended.w_next_match);
    EXPECT_FALSE(ended.w_view_result);
    EXPECT_EQ(ended.selected_widget, ended.w_stats);
    std::vector<std::string> expected;
    for (const t_team_ref& t : league->table()) expected.push_back(t->name);
    EXPECT_EQ(table_names(ended), expected);
    EXPECT_TRUE(find_caption(ended, winner_caption(expected.front())));
}

TEST_F(Play, LeagueTableOrdersLevelTeamsByGoalsThenName) {
    auto league = std::make_shared<t_league>();
    competition = league;
    league->initialize(loaded_teams("cus", 3));
    auto& t = league->teams;
    // All on 4 points and +1; the one with more goals leads, then the names decide.
    for (const t_team_ref& team : t) team->points = 4;
    t[0]->goals_for = 3, t[0]->goals_against = 2;
    t[1]->goals_for = 5, t[1]->goals_against = 4;
    t[2]->goals_for = 3, t[2]->goals_against = 2;
    const std::vector<t_team_ref> table = league->table();
    EXPECT_EQ(table[0], t[1]);
    EXPECT_LT(table[1]->name, table[2]->name);
    MenuPlayLeague screen;
    const std::vector<std::string> names = table_names(screen);
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[0], t[1]->name);
}

TEST_F(Play, ResultShownOnceAndButtonsFollowTheControls) {
    auto league = std::make_shared<t_league>();
    competition = league;
    league->initialize(loaded_teams("cus", 2));
    league->get_match().teams[0]->control = CONTROL_PLAYER;
    {
        MenuPlayLeague screen;
        EXPECT_EQ(screen.w_play_match->text, "- MATCH -");
        EXPECT_EQ(screen.w_view_result->text, "- RESULT -");
        EXPECT_EQ(screen.selected_widget, screen.w_play_match);
        EXPECT_EQ(screen.w_next_match->visible, 0);
        screen.bc_view_result();
        EXPECT_EQ(league->user_prefers_result, 1);
        const t_score first = *league->get_match().result;
        screen.bc_view_result(); // a second press does not play the match again
        EXPECT_EQ(*league->get_match().result, first);
        EXPECT_EQ(table_figures(*league->teams[0])[0], 1);
    }
    drain_actions();
    // After a restart show_result is 0 again, but the match has its result: NEXT MATCH it is.
    menu.show_result = 0;
    MenuPlayLeague again;
    EXPECT_EQ(menu.show_result, 1);
    EXPECT_EQ(again.w_next_match->visible, 1);
    EXPECT_EQ(again.w_view_result->visible, 0);
}

TEST_F(Play, PlayingAMatchGoesThroughTheLineUpOrStraightToThePresentation) {
    auto league = std::make_shared<t_league>();
    competition = league;
    league->initialize(loaded_teams("cus", 2));
    t_match& m = league->get_match();
    {
        MenuPlayLeague screen;
        EXPECT_EQ(screen.w_play_match->text, "VIEW MATCH");
        screen.bc_play_view_match();
        EXPECT_EQ(drain_actions(), new_screen(18));
        EXPECT_EQ(match_teams[0], m.teams[0]);
    }
    m.teams[1]->control = CONTROL_COACH;
    MenuPlayLeague screen;
    screen.bc_play_view_match();
    EXPECT_EQ(menu.team_to_set, 1);
    EXPECT_EQ(drain_actions(), new_screen(15));
}

TEST_F(Play, EightTeamCupOverThreeTwoLeggedRoundsReachesItsWinner) {
    auto cup = std::make_shared<t_cup>();
    cup->name = "TEST CUP";
    cup->set_rounds(3);
    cup->away_goals = 1;
    for (t_round& r : cup->round) {
        r.legs = 2;
        r.penalties = 1;
    }
    competition = cup;
    cup->initialize(loaded_teams("eng", 8));
    ASSERT_EQ(cup->calendar_current.size(), 4u);

    std::set<int> rounds_seen;
    int results = 0;
    for (int guard = 0; guard < 200 && cup->ended == 0; ++guard) {
        rounds_seen.insert(cup->current_round);
        MenuPlayCup screen;
        EXPECT_EQ(screen.matches, static_cast<int>(cup->calendar_current.size()));
        if (menu.show_result == 1) {
            screen.bc_next_match();
        } else {
            screen.bc_view_result();
            ++results;
        }
        drain_actions();
    }
    EXPECT_EQ(cup->ended, 1);
    EXPECT_EQ(rounds_seen, (std::set<int>{0, 1, 2}));
    // Two legs in every round and never a replay: penalties settle every level tie.
    EXPECT_EQ(results, 2 * (4 + 2 + 1));
    ASSERT_EQ(cup->calendar_current.size(), 1u);
    const t_team_ref winner = competition_winner(*cup);
    ASSERT_TRUE(winner);
    EXPECT_EQ(winner, cup->calendar_current[0].qualified);
    MenuPlayCup ended;
    EXPECT_FALSE(ended.w_next_match);
    EXPECT_TRUE(find_caption(ended, winner_caption(winner->name)));
}

TEST_F(Play, CupTiesGoToAwayGoalsExtraTimeAndPenalties) {
    auto cup = std::make_shared<t_cup>();
    cup->set_rounds(1);
    cup->round[0].legs = 2;
    cup->round[0].penalties = 1;
    cup->away_goals = 1;
    competition = cup;
    cup->initialize(loaded_teams("eng", 2));
    // 2-1 then 1-0: level on aggregate, the side that scored away goes through.
    cup->set_result(2, 1, RESULT_AFTER_90);
    const t_team_ref first_away = cup->get_match().teams[1];
    cup->next_match();
    cup->set_result(1, 0, RESULT_AFTER_90);
    complete_cup_match(*cup);
    EXPECT_EQ(cup->get_match().qualified, first_away);
    EXPECT_EQ(cup->ended, 1);

    // A single match level after 90 minutes and after extra time goes to penalties.
    auto single = std::make_shared<t_cup>();
    single->set_rounds(1);
    single->round[0].penalties = 1;
    competition = single;
    single->initialize(loaded_teams("eng", 2));
    single->set_result(1, 1, RESULT_AFTER_90); // as the match engine leaves it at full time
    single->set_result(1, 1, RESULT_AFTER_EXTRA_TIME);
    menu.show_result = 1;
    MenuPlayCup screen; // the screen takes the shoot-out the match still owes
    const t_match& m = single->get_match();
    ASSERT_TRUE(m.result_penalties);
    EXPECT_NE((*m.result_penalties)[0], (*m.result_penalties)[1]);
    EXPECT_TRUE(m.qualified);
    EXPECT_NE(m.status.find("ON PENALTIES"), std::string::npos);
    EXPECT_EQ(single->ended, 1);
}

TEST_F(Play, ReplayedTieIsPlayedAgainAtTheNextLeg) {
    auto cup = std::make_shared<t_cup>();
    cup->set_rounds(1);
    cup->round[0].extra_time = 2;
    cup->round[0].penalties = 2;
    competition = cup;
    cup->initialize(loaded_teams("eng", 2));
    cup->set_result(0, 0, RESULT_AFTER_90);
    complete_cup_match(*cup); // no extra time in the first match
    EXPECT_EQ(cup->get_match().includes_extra_time, 0);
    EXPECT_FALSE(cup->get_match().qualified);
    cup->next_match();
    EXPECT_EQ(cup->current_leg, 1);
    ASSERT_EQ(cup->calendar_current.size(), 1u);
    cup->set_result(2, 2, RESULT_AFTER_90);
    complete_cup_match(*cup); // the replay gets extra time and, still level, penalties
    const t_match& m = cup->get_match();
    EXPECT_EQ(m.includes_extra_time, 1);
    EXPECT_TRUE(m.qualified);
    EXPECT_EQ(cup->ended, 1);
}

TEST(PenaltyShootout, NeverEndsLevelAndFavoursBetterTakers) {
    game_folder folder;
    const std::vector<t_team_ref> teams = loaded_teams("eng", 2);
    seed_rnd(3);
    for (int i = 0; i < 500; ++i) {
        const t_score s = penalty_shootout(*teams[0], *teams[1]);
        ASSERT_NE(s[0], s[1]);
        // It stops once the side behind cannot catch up: never more than three clear.
        EXPECT_LE(std::abs(s[0] - s[1]), 3);
    }
    t_player ace, duffer, keeper;
    ace.sh = 7;
    ace.fi = 7;
    keeper.skill_keeper = 7;
    EXPECT_GT(penalty_chance(ace, &keeper), penalty_chance(duffer, &keeper));
    EXPECT_GT(penalty_chance(duffer, nullptr), penalty_chance(duffer, &keeper));
    EXPECT_LE(penalty_chance(ace, nullptr), 95);
}

TEST_F(Play, TopScorersAreSortedGroupedAndCentred) {
    auto league = std::make_shared<t_league>();
    competition = league;
    league->initialize(loaded_teams("cus", 2));
    auto& a = league->teams[0]->players;
    auto& b = league->teams[1]->players;
    a[3]->goals = 2;
    b[4]->goals = 5;
    a[5]->goals = 2;
    b[6]->goals = 1;
    const t_scorer_list list = scorer_list(league->teams);
    ASSERT_EQ(list.lines.size(), 7u); // three headers and four scorers
    EXPECT_TRUE(list.lines[0].header);
    EXPECT_EQ(list.lines[0].goals, 5);
    EXPECT_EQ(list.lines[0].line, 2);
    EXPECT_EQ(list.lines[1].name, scorer_name(*b[4]));
    EXPECT_EQ(list.lines[2].line, 5);
    EXPECT_LE(list.lines[3].name, list.lines[4].name);
    EXPECT_EQ(list.count, 10);

    MenuTopScorers screen;
    const t_widget_ref header = find_caption(screen, "5");
    ASSERT_TRUE(header);
    EXPECT_EQ(header->y, 44 + scorer_shift(10));
    EXPECT_TRUE(find_caption(screen, " (" + league->teams[1]->name + ")"));
}

TEST(ScorerList, StopsAfterTheLinePassingTwentyFour) {
    game_folder folder;
    const std::vector<t_team_ref> teams = loaded_teams("eng", 2);
    int g = 1;
    for (const t_team_ref& t : teams)
        for (const auto& p : t->players) p->goals = 1 + (g++ % 3);
    const t_scorer_list list = scorer_list(teams);
    EXPECT_EQ(list.count, 25);
    EXPECT_FALSE(list.lines.back().header);
    EXPECT_EQ(scorer_shift(list.count), 100);
}

TEST(CupBlocks, ScrollKeepsEightBlocksAndTheCurrentMatchInView) {
    EXPECT_EQ(scroll_offset(0, -1, 16), 0);
    EXPECT_EQ(scroll_offset(7, +1, 16), 8);
    EXPECT_EQ(scroll_offset(8, +1, 16), 8);
    EXPECT_EQ(scroll_offset(0, +1, 8), 0); // eight or fewer never scroll
    EXPECT_TRUE(block_shown(8, 1));
    EXPECT_FALSE(block_shown(9, 1));
    EXPECT_EQ(block_y(3, 1), 120 + 128);
    for (int current = 0; current < 32; ++current) {
        const int offset = offset_showing(current, 32);
        EXPECT_TRUE(block_shown(current, offset)) << current;
    }
    EXPECT_EQ(offset_showing(3, 4), 0);
}

TEST_F(Play, CupScreenScrollsItsBlocks) {
    auto cup = std::make_shared<t_cup>();
    cup->set_rounds(5);
    competition = cup;
    cup->initialize(loaded_teams("eng", 32));
    MenuPlayCup screen;
    ASSERT_EQ(screen.matches, 16);
    EXPECT_EQ(screen.w_scroll_down->visible, 1);
    auto shown = [&] {
        int n = 0;
        for (const auto& block : screen.result_widgets) n += block[0]->visible;
        return n;
    };
    EXPECT_EQ(shown(), 8);
    for (int i = 0; i < 20; ++i) screen.bc_scroll(+1);
    EXPECT_EQ(screen.offset, 8);
    EXPECT_EQ(screen.result_widgets[15][0]->y, 120 + 64 * 7);
    EXPECT_EQ(screen.result_widgets[15][5]->y - screen.result_widgets[15][0]->y, 26 + 9);
    EXPECT_EQ(shown(), 8);
}
