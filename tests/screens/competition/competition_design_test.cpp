#include <gtest/gtest.h>

#include "competition_test_support.hpp"
#include "screens/competition/competition_design.hpp"
#include "screens/competition/competition_rules.hpp"
#include "screens/competition/menu_competition_warning.hpp"
#include "screens/competition/menu_design_diy_cup.hpp"
#include "screens/competition/menu_design_diy_league.hpp"
#include "screens/competition/menu_diy_competition.hpp"
#include "screens/competition/menu_view_statistics.hpp"
#include "screens/friendly/menu_select_teams.hpp"
#include "screens/friendly/team_selection.hpp"

using namespace screen_test;
using namespace competition_test;

namespace {
class Design : public testing::Test {
protected:
    void TearDown() override {
        designed_league.reset();
        designed_cup.reset();
    }
    game_folder folder;
};
} // namespace

TEST_F(Design, WarningGuardsTheCompetitionInProgressUntilANewDesignTakesOver) {
    auto old = std::make_shared<t_league>();
    old->name = "OLD LEAGUE";
    competition = old;
    MenuCompetitionWarning warning;
    EXPECT_TRUE(find_caption(warning, "OLD LEAGUE"));
    fire(warning); // ABORT is the first choice
    EXPECT_EQ(drain_actions(), new_screen(1));
    warning.bc_continue();
    EXPECT_EQ(drain_actions(), new_screen(6));

    MenuDiyCompetition choice;
    EXPECT_EQ(menu.status, STATUS_COMPETITION);
    EXPECT_EQ(find_caption(choice, "TOURNAMENT")->active, 0);
    fire(choice);
    EXPECT_EQ(drain_actions(), new_screen(20));

    {
        MenuDesignDiyLeague design;
        EXPECT_EQ(competition, old); // designing alone replaces nothing
        design.bc_exit();
        EXPECT_FALSE(designed_league);
        EXPECT_EQ(competition, old);
        EXPECT_EQ(drain_actions(), new_screen(1));
    }
    MenuDesignDiyLeague design;
    design.call_method("bc_custom_teams", {});
    EXPECT_NE(competition, old);
    EXPECT_EQ(competition->name, "DIY LEAGUE");
    EXPECT_FALSE(designed_league);
    EXPECT_EQ(menu.extension, "cus");
    EXPECT_EQ(menu.confederation, CUSTOM_CONFEDERATION);
    EXPECT_EQ(drain_actions(), new_screen(12));
}

TEST_F(Design, LeagueValuesStepWrapAndKeepSubstitutesWithinTheBench) {
    MenuDesignDiyLeague design;
    t_league& l = *designed_league;
    design.bc_number_of_teams(-1);
    EXPECT_EQ(l.number_of_teams, 24);
    EXPECT_EQ(design.w_number_of_teams->text, "24");
    design.bc_number_of_teams(+1);
    EXPECT_EQ(l.number_of_teams, 2);
    design.bc_play_each_time(-1);
    EXPECT_EQ(l.rounds, 10);
    EXPECT_EQ(design.w_play_each_time->text, "\u00D710");
    design.bc_points_for_a_win();
    EXPECT_EQ(l.points_for_a_win, 2);
    design.bc_bench_size(-1);
    design.bc_bench_size(-1);
    EXPECT_EQ(l.bench_size, 3);
    EXPECT_EQ(l.substitutions, 3);
    EXPECT_EQ(design.w_substitutes->text, "3");
    design.bc_substitutes(+1);
    EXPECT_EQ(l.substitutions, 2);

    EXPECT_EQ(design.w_pitch_type->visible, 0);
    EXPECT_EQ(design.w_season_start->text, "AUG");
    design.bc_season_pitch_type();
    EXPECT_EQ(design.w_season_start->visible, 0);
    EXPECT_EQ(design.w_season_separator->visible, 0);
    EXPECT_EQ(design.w_pitch_type->visible, 1);
    EXPECT_EQ(design.w_pitch_type->active, 1);
    EXPECT_EQ(design.w_season_pitch_type->text, "PITCH TYPE");

    design.w_league_name->set_entry_mode(1);
    design.w_league_name->entry_string = "EVENING LEAGUE";
    design.w_league_name->set_entry_mode(0);
    design.update();
    EXPECT_EQ(l.name, "EVENING LEAGUE");
    EXPECT_EQ(design.w_league_name->entry_limit, 24);
}

TEST_F(Design, TwentyTeamsMeetingTwiceScheduleThreeHundredAndEightyMatches) {
    MenuDesignDiyLeague design;
    designed_league->number_of_teams = 20;
    designed_league->rounds = 2;
    design.call_method("bc_club_teams", {});
    EXPECT_EQ(teams_required, 20);
    EXPECT_EQ(std::static_pointer_cast<t_league>(competition)->total_matches, 380);
    EXPECT_EQ(drain_actions(), new_screen(8));

    auto league = std::static_pointer_cast<t_league>(competition);
    league->initialize(loaded_teams("eng", 20));
    EXPECT_EQ(league->calendar_current.size(), 380u);
}

TEST_F(Design, CupRoundRowsHideAndComeBackWithTheirSettings) {
    MenuDesignDiyCup design;
    t_cup& c = *designed_cup;
    EXPECT_EQ(c.rounds, 4);
    EXPECT_EQ(design.w_away_goals->visible, 0); // one leg everywhere
    design.bc_legs(1);
    EXPECT_EQ(design.w_round_legs[1]->text, "TWO LEGS");
    EXPECT_EQ(design.w_away_goals->visible, 1);
    design.bc_away_goals();
    EXPECT_EQ(design.w_away_goals->text, "AFTER 90 MINS");
    design.bc_penalties(3);
    EXPECT_EQ(design.w_round_penalties[3]->text, "PENALTIES");
    design.bc_extra_time(3);
    EXPECT_EQ(design.w_round_extra_time[3]->text, "EXTRA TIME IF REPLAY");

    design.bc_rounds(-1);
    design.bc_rounds(-1);
    design.bc_rounds(-1);
    EXPECT_EQ(c.rounds, 1);
    EXPECT_EQ(design.w_round_name[0]->text, "FINAL");
    EXPECT_EQ(design.w_round_teams[0]->text, "2");
    for (size_t i = 1; i < CUP_MAX_ROUNDS; ++i) EXPECT_EQ(design.w_round_legs[i]->visible, 0);
    EXPECT_EQ(design.w_away_goals->visible, 0); // the two-legged round is no longer played
    design.bc_rounds(+1);
    design.bc_rounds(+1);
    design.bc_rounds(+1);
    EXPECT_EQ(design.w_round_legs[1]->text, "TWO LEGS");
    EXPECT_EQ(design.w_round_penalties[3]->text, "PENALTIES");
    EXPECT_EQ(design.w_round_name[0]->text, "FIRST ROUND");
    EXPECT_EQ(design.w_round_legs[3]->visible, 1);
    design.bc_rounds(+1);
    design.bc_rounds(+1);
    design.bc_rounds(+1);
    EXPECT_EQ(c.rounds, 1); // 6 wraps to 1

    design.bc_rounds(+1);
    design.bc_rounds(+1);
    design.call_method("bc_national_teams", {});
    EXPECT_EQ(teams_required, 8);
    EXPECT_EQ(std::static_pointer_cast<t_cup>(competition)->total_legs, 4);
    EXPECT_EQ(drain_actions(), new_screen(11));
}

TEST_F(Design, SelectionStartsTheDesignedCupWithItsTeams) {
    MenuDesignDiyCup design;
    designed_cup->set_rounds(2);
    design.call_method("bc_custom_teams", {});
    drain_actions();
    MenuSelectTeams select;
    int picked = 0;
    for (const t_widget_ref& w : select.widgets)
        for (const t_binding& b : w->bindings)
            if (b.method_name == "bc_team" && picked < 4) {
                select.selected_widget = w;
                fire(select);
                ++picked;
            }
    EXPECT_EQ(select.w_play->text, "DIY CUP");
    select.bc_play();
    EXPECT_EQ(drain_actions(), new_screen(29));
    auto cup = std::static_pointer_cast<t_cup>(competition);
    EXPECT_EQ(cup->teams.size(), 4u);
    EXPECT_EQ(cup->calendar_current.size(), 2u);
    EXPECT_FALSE(cup->teams[0]->players.empty());

    MenuViewStatistics stats;
    stats.bc_competition_info();
    stats.bc_exit();
    EXPECT_EQ(drain_actions(), (std::vector<std::pair<int, int>>{{1, 30}, {1, 29}}));
}

TEST(WarningText, WrapsAtBlanks) {
    const std::vector<std::string> lines = wrap_words("YOU ARE ABOUT TO LOSE YOUR CURRENT DIY COMPETITION", 26);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "YOU ARE ABOUT TO LOSE YOUR");
    EXPECT_EQ(lines[1], "CURRENT DIY COMPETITION");
}
