#include <gtest/gtest.h>

#include "../main_menu/screen_test_support.hpp"
#include "core/settings.hpp"
#include "football/catalogue.hpp"
#include "screens/friendly/menu_friendly.hpp"
#include "screens/friendly/menu_select_teams.hpp"
#include "screens/friendly/menu_team_families.hpp"
#include "screens/friendly/team_selection.hpp"

using namespace screen_test;

namespace {
class Selection : public testing::Test {
protected:
    game_folder folder;
};

std::vector<int> column_sizes(const std::vector<t_grid_place>& places) {
    std::vector<int> sizes;
    int last_x = -1;
    for (const t_grid_place& p : places) {
        if (p.x != last_x) sizes.push_back(0);
        ++sizes.back();
        last_x = p.x;
    }
    return sizes;
}

int file_index(const std::string& ext) {
    for (size_t i = 1; i < team_files.size(); ++i)
        if (team_files[i].ext == ext) return static_cast<int>(i);
    return -1;
}

std::vector<std::shared_ptr<t_button>> team_buttons(const t_game_mode& screen) {
    std::vector<std::shared_ptr<t_button>> out;
    for (const t_widget_ref& w : screen.widgets)
        if (!w->bindings.empty() && w->bindings.front().method_name == "bc_team")
            out.push_back(std::static_pointer_cast<t_button>(w));
    return out;
}
} // namespace

TEST(TeamGrid, ColumnsSplitAndCentreOnTheMiddleOne) {
    EXPECT_EQ(column_sizes(team_grid(9)), (std::vector<int>{3, 3, 3}));
    EXPECT_EQ(column_sizes(team_grid(10)), (std::vector<int>{3, 4, 3}));
    EXPECT_EQ(column_sizes(team_grid(11)), (std::vector<int>{4, 4, 3}));
    const auto ten = team_grid(10);
    EXPECT_EQ(ten[0].x, 87);
    EXPECT_EQ(ten[3].x, 377);
    EXPECT_EQ(ten[7].x, 667);
    EXPECT_EQ(ten[0].y, 386 - 16 * 4 + 32);
    EXPECT_EQ(ten[3].y, ten[0].y);
    const auto eight = team_grid(8);
    EXPECT_EQ(column_sizes(eight), (std::vector<int>{8}));
    EXPECT_EQ(eight[0].y, 386 - 128 + 32);
    EXPECT_EQ(eight[7].y, 386 - 128 + 256);
    const auto countries = country_grid(26);
    EXPECT_EQ(countries[0].x, 57);
    EXPECT_EQ(countries[25].x, 677);
    EXPECT_EQ(countries[0].y, 356 - 17 * 9 + 34);
    EXPECT_EQ(country_grid(3)[0].y, 350 - 51 + 34);
}

TEST_F(Selection, PlayButtonSaysWhatIsMissingOrWhatStarts) {
    EXPECT_EQ(play_button_state(2, 0, STATUS_FRIENDLY, 0).caption, "SELECT 2 MORE TEAMS");
    EXPECT_EQ(play_button_state(2, 1, STATUS_FRIENDLY, 0).caption, "SELECT 1 MORE TEAM");
    EXPECT_EQ(play_button_state(2, 3, STATUS_FRIENDLY, 0).caption, "SELECT 1 LESS TEAM");
    EXPECT_EQ(play_button_state(2, 5, STATUS_FRIENDLY, 0).caption, "SELECT 3 LESS TEAMS");
    EXPECT_FALSE(play_button_state(2, 3, STATUS_FRIENDLY, 0).ready);
    const t_play_state two = play_button_state(2, 2, STATUS_FRIENDLY, 0);
    EXPECT_TRUE(two.ready);
    EXPECT_EQ(two.caption, "FRIENDLY");
    EXPECT_EQ(play_button_state(8, 8, STATUS_COMPETITION, COMPETITION_CUP).caption, "DIY CUP");
    EXPECT_EQ(play_button_state(8, 8, STATUS_COMPETITION, COMPETITION_LEAGUE).caption, "DIY LEAGUE");
}

TEST(PlayRoute, HumanSidesGetTheLineUpInTurn) {
    EXPECT_EQ(friendly_route(CONTROL_COMPUTER, CONTROL_COMPUTER).mode, 18);
    EXPECT_EQ(friendly_route(CONTROL_COACH, CONTROL_COMPUTER).mode, 15);
    EXPECT_EQ(friendly_route(CONTROL_COACH, CONTROL_COMPUTER).team_to_set, 0);
    const t_route second_only = friendly_route(CONTROL_COMPUTER, CONTROL_PLAYER);
    EXPECT_EQ(second_only.mode, 15);
    EXPECT_EQ(second_only.team_to_set, 1);
    EXPECT_EQ(after_lineup(0, CONTROL_PLAYER).mode, 15);
    EXPECT_EQ(after_lineup(0, CONTROL_PLAYER).team_to_set, 1);
    EXPECT_EQ(after_lineup(0, CONTROL_COMPUTER).mode, 18);
    EXPECT_EQ(after_lineup(1, CONTROL_PLAYER).mode, 18);
}

TEST_F(Selection, FriendlyBenchAndSubstitutesAreSavedAtOnce) {
    MenuFriendly screen;
    EXPECT_EQ(menu.status, STATUS_FRIENDLY);
    EXPECT_EQ(screen.w_bench_size->text, "5");
    settings.substitutions = 4;
    screen.bc_bench_size(-1);
    screen.bc_bench_size(-1);
    EXPECT_EQ(settings.bench_size, 3);
    EXPECT_EQ(settings.substitutions, 3); // pulled down with the bench
    EXPECT_EQ(screen.w_substitutes->text, "3");
    screen.bc_substitutes(+1);
    EXPECT_EQ(settings.substitutions, 2); // wraps at the bench size
    screen.bc_substitutes(-1);
    EXPECT_EQ(settings.substitutions, 3);
    t_settings back;
    back.read(SETTINGS_VERSION);
    EXPECT_EQ(back.bench_size, 3);
    EXPECT_EQ(back.substitutions, 3);
    screen.bc_bench_size(-1);
    screen.bc_bench_size(-1);
    EXPECT_EQ(settings.bench_size, 5); // 2 wraps round to 5

    selected_teams.push_back(std::make_shared<t_team>());
    screen.bc_custom_teams();
    EXPECT_TRUE(selected_teams.empty());
    EXPECT_EQ(menu.extension, "cus");
    EXPECT_EQ(drain_actions(), new_screen(12));
}

TEST_F(Selection, CountriesWithOneDivisionSkipTheDivisionScreen) {
    menu.status = STATUS_FRIENDLY;
    menu.confederation = 0;
    MenuClubsCountry screen;
    screen.bc_country(file_index("aut"));
    EXPECT_EQ(menu.divisions, 1);
    EXPECT_EQ(menu.division, 1);
    EXPECT_EQ(drain_actions(), new_screen(12));

    screen.bc_country(file_index("sco"));
    EXPECT_EQ(menu.divisions, 2);
    EXPECT_EQ(menu.no_league, 1);
    EXPECT_EQ(menu.teams, 32);
    EXPECT_EQ(drain_actions(), new_screen(10));
    MenuClubsDivision divisions;
    std::vector<std::string> captions;
    for (const t_widget_ref& w : divisions.widgets)
        if (!w->bindings.empty() && w->bindings.front().method_name == "bc_division") captions.push_back(w->text);
    EXPECT_EQ(captions, (std::vector<std::string>{"NO LEAGUE", "PREMIER DIVISION", "DIVISION 1"}));
    divisions.bc_division(0);
    EXPECT_EQ(menu.division, 0);
    EXPECT_EQ(drain_actions(), new_screen(12));

    menu.status = STATUS_EDITING;
    screen.bc_country(file_index("aut"));
    EXPECT_EQ(drain_actions(), new_screen(13));
}

TEST_F(Selection, CountryButtonsAreGreyForMissingFiles) {
    menu.confederation = 0;
    const int missing = file_index("aut");
    team_files[static_cast<size_t>(missing)].avail = 0;
    MenuClubsCountry screen;
    const t_widget_ref grey = find_caption(screen, team_names[static_cast<size_t>(missing)]);
    ASSERT_TRUE(grey);
    EXPECT_EQ(grey->active, 0);
    EXPECT_EQ(grey->body, UNCHOSEN_GREY.body);
    EXPECT_NE(screen.selected_widget, grey);
}

TEST_F(Selection, TeamsCycleThroughTheControlsAndLeaveTheList) {
    menu.status = STATUS_FRIENDLY;
    menu.confederation = 0;
    menu.extension = "aut";
    menu.division = 1;
    menu.divisions = 1;
    MenuSelectTeams screen;
    const auto buttons = team_buttons(screen);
    ASSERT_GE(buttons.size(), 3u);
    for (size_t i = 1; i < buttons.size(); ++i) EXPECT_LE(buttons[i - 1]->text, buttons[i]->text);
    EXPECT_EQ(screen.w_view_selected_teams->visible, 0);
    EXPECT_EQ(screen.w_play->active, 0);
    EXPECT_EQ(screen.w_play->text, "SELECT 2 MORE TEAMS");

    screen.selected_widget = buttons[2];
    fire(screen);
    EXPECT_EQ(buttons[2]->body, control_colours(CONTROL_COMPUTER).body);
    EXPECT_EQ(screen.w_view_selected_teams->visible, 1);
    screen.selected_widget = buttons[0];
    for (int press = 0; press < 3; ++press) fire(screen);
    EXPECT_EQ(buttons[0]->body, control_colours(CONTROL_COACH).body);
    ASSERT_EQ(selected_teams.size(), 2u);
    EXPECT_EQ(selected_teams[0]->name, buttons[2]->text); // first chosen, first in the list
    EXPECT_EQ(selected_teams[1]->dev, -1);
    EXPECT_EQ(screen.w_play->text, "FRIENDLY");
    EXPECT_EQ(screen.w_play->active, 1);

    fire(screen); // fourth press: out again
    EXPECT_EQ(selected_teams.size(), 1u);
    EXPECT_EQ(buttons[0]->body, control_colours(0).body);

    screen.selected_widget = buttons[1];
    fire(screen);
    screen.selected_widget = buttons[0];
    fire(screen);
    EXPECT_EQ(screen.w_play->text, "SELECT 1 LESS TEAM");
    EXPECT_EQ(screen.w_play->active, 0);

    // A rebuilt list shows the choices made.
    MenuSelectTeams again;
    EXPECT_EQ(team_buttons(again)[1]->body, control_colours(CONTROL_COMPUTER).body);
    again.bc_exit();
    EXPECT_EQ(drain_actions(), new_screen(9));
}

TEST_F(Selection, PlayLoadsTheTeamsAndSkipsTheLineUpForTwoComputers) {
    menu.status = STATUS_FRIENDLY;
    menu.confederation = CUSTOM_CONFEDERATION;
    menu.extension = "cus";
    menu.division = 1;
    MenuSelectTeams screen;
    const auto buttons = team_buttons(screen);
    ASSERT_GE(buttons.size(), 2u);
    screen.selected_widget = buttons[1];
    fire(screen);
    screen.selected_widget = buttons[0];
    fire(screen);
    screen.bc_play();
    ASSERT_TRUE(match_teams[0]);
    EXPECT_EQ(match_teams[0]->name, buttons[1]->text);
    EXPECT_GE(match_teams[0]->size, 16);
    EXPECT_FALSE(match_teams[1]->players.empty());
    EXPECT_EQ(drain_actions(), new_screen(18));

    fire(screen); // the second becomes PLAYER-COACH
    screen.bc_play();
    EXPECT_EQ(menu.team_to_set, 1);
    EXPECT_EQ(drain_actions(), new_screen(15));

    MenuViewSelectedTeams view;
    EXPECT_EQ(team_buttons(view).size(), 2u);
    EXPECT_EQ(view.w_play->text, "FRIENDLY");

    screen.bc_exit(); // custom teams: back to the main menu, choices dropped
    EXPECT_TRUE(selected_teams.empty());
    EXPECT_EQ(drain_actions(), new_screen(1));
}

TEST_F(Selection, AbortDropsTheChoiceAndACompetitionUnderDesign) {
    menu.status = STATUS_COMPETITION;
    competition = std::make_shared<t_competition>();
    selected_teams.push_back(std::make_shared<t_team>());
    MenuClubsConfederation screen;
    EXPECT_EQ(screen.img_background, backgrounds->get("menu_competition.jpg"));
    screen.bc_confederation(4);
    EXPECT_EQ(menu.confederation, 4);
    EXPECT_EQ(drain_actions(), new_screen(9));
    screen.bc_abort();
    EXPECT_TRUE(selected_teams.empty());
    EXPECT_FALSE(competition);
    EXPECT_EQ(drain_actions(), new_screen(1));
}

TEST_F(Selection, NationalTeamsListTheNationFiles) {
    menu.status = STATUS_FRIENDLY;
    MenuNationalsConfederation screen;
    EXPECT_EQ(menu.confederation, NATIONAL_CONFEDERATION);
    EXPECT_EQ(menu.division, 1);
    ASSERT_TRUE(screen.selected_widget);
    fire(screen);
    EXPECT_EQ(team_files[static_cast<size_t>(file_index(menu.extension))].confederation, NATIONAL_SECTION);
    EXPECT_EQ(drain_actions(), new_screen(12));
    MenuSelectTeams teams;
    EXPECT_FALSE(team_buttons(teams).empty());
    teams.bc_exit();
    EXPECT_EQ(drain_actions(), new_screen(11));
}
