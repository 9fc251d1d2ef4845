#include <gtest/gtest.h>

#include <ctime>

#include "screen_test_support.hpp"
#include "screens/main_menu/main_menu_screens.hpp"
#include "screens/main_menu/menu_main.hpp"
#include "ui/label.hpp"

using namespace screen_test;

namespace {
class MainMenu : public testing::Test {
protected:
    game_folder folder;
};

class t_counting_competition : public t_competition {
public:
    void restart() override { ++restarts; }
    int restarts = 0;
};
} // namespace

TEST_F(MainMenu, WithoutACompetitionElevenWidgetsAndDiyGoesToTheDesignChoice) {
    menu.status = 2;
    MenuMain screen;
    EXPECT_EQ(menu.status, 0);
    EXPECT_EQ(screen.widgets.size(), 11u);
    EXPECT_EQ(screen.selected_widget, find_caption(screen, "GAME OPTIONS"));
    EXPECT_TRUE(std::dynamic_pointer_cast<t_label>(find_caption(screen, "QUILBO ROVUDO - BETA 0.77")));
    const std::pair<const char*, int> routes[] = {
        {"GAME OPTIONS", 2}, {"MATCH OPTIONS", 3}, {"CONTROL", 4}, {"FRIENDLY", 5}, {"EDIT TEAMS", 7}, {"DIY COMPETITION", 6},
        {"HOW TO PLAY", 77}};
    for (const auto& [caption, mode] : routes) {
        screen.selected_widget = find_caption(screen, caption);
        fire(screen);
        EXPECT_EQ(drain_actions(), new_screen(mode)) << caption;
    }
}

TEST_F(MainMenu, ACompetitionInProgressCanBeResumedOrReplayed) {
    auto league = std::make_shared<t_counting_competition>();
    league->name = "SUMMER LEAGUE";
    auto team = std::make_shared<t_team>();
    team->ext = "eng";
    team->number = 1;
    team->points = 9;
    team->won = 3;
    league->teams = {team};
    competition = league;

    MenuMain screen;
    ASSERT_EQ(screen.widgets.size(), 12u);
    screen.selected_widget = find_caption(screen, "CONTINUE SUMMER LEAGUE");
    ASSERT_TRUE(screen.selected_widget);
    fire(screen);
    EXPECT_EQ(menu.status, 2);
    EXPECT_EQ(league->restarts, 0);
    EXPECT_EQ(drain_actions(), new_screen(21));

    league->ended = 1;
    league->typ = COMPETITION_CUP;
    menu.show_result = 1;
    MenuMain again;
    again.selected_widget = find_caption(again, "REPLAY SUMMER LEAGUE");
    ASSERT_TRUE(again.selected_widget);
    fire(again);
    EXPECT_EQ(league->restarts, 1);
    EXPECT_EQ(menu.show_result, 0);
    EXPECT_EQ(team->points, 0);
    EXPECT_EQ(team->won, 0);
    EXPECT_FALSE(team->players.empty()); // read back from its team file
    EXPECT_EQ(drain_actions(), new_screen(29));

    again.bc_set_diy_competition();
    EXPECT_EQ(drain_actions(), new_screen(27));
}

TEST_F(MainMenu, EditTacticsHandsTheCustomTacticsTeamWithFaces) {
    MenuMain screen;
    screen.bc_edit_tactics();
    ASSERT_TRUE(menu.team_to_show);
    EXPECT_EQ(menu.team_to_show->number, 313);
    ASSERT_FALSE(menu.team_to_show->players.empty());
    EXPECT_TRUE(menu.team_to_show->players.front()->face);
    EXPECT_TRUE(menu.team_to_show->players.front()->facesh);
    EXPECT_EQ(drain_actions(), new_screen(69));
}

TEST_F(MainMenu, FamilyFactoryBuildsItsFourScreensOnly) {
    for (int mode = 1; mode <= 4; ++mode) EXPECT_TRUE(make_main_menu_screen(mode)) << mode;
    EXPECT_FALSE(make_main_menu_screen(5));
}

TEST_F(MainMenu, TheDateIsTodaysInThePlayersLanguage) {
    EXPECT_EQ(date_caption(8, 12, 2026), "8 DECEMBER 2026");
    EXPECT_EQ(date_caption(1, 1, 2030), "1 JANUARY 2030");
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    MenuMain screen;
    const std::string today = date_caption(local.tm_mday, local.tm_mon + 1, local.tm_year + 1900);
    // Just past midnight the screen may have been built the day before.
    EXPECT_TRUE(find_caption(screen, today) || (local.tm_hour == 0 && local.tm_min == 0)) << today;
    EXPECT_FALSE(find_caption(screen, "5 JUNE 2012"));
}
