// The test match screen: two fixed custom teams, then the match presentation.
#include <gtest/gtest.h>

#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/settings.hpp"
#include "football/team.hpp"
#include "app/menu_test_match.hpp"
#include "ui/menu.hpp"

TEST(MenuTestMatch, LoadsTheTwoCustomTeamsAndOpensThePresentation) {
    const t_settings saved = settings;
    const int32_t saved_status = menu.status;
    action_queue = std::make_unique<t_game_action_queue>();
    settings.music_vol = 40;
    MenuTestMatch screen;
    ASSERT_TRUE(match_teams[0] && match_teams[1]);
    EXPECT_EQ(match_teams[0]->ext, "cus");
    EXPECT_EQ(match_teams[0]->number, 338);
    EXPECT_EQ(match_teams[1]->number, 317);
    EXPECT_GE(match_teams[0]->players.size(), 16u) << "read from the team file";
    EXPECT_GE(match_teams[1]->players.size(), 16u);
    EXPECT_FALSE(match_teams[0]->name.empty());
    EXPECT_EQ(match_teams[0]->control, CONTROL_PLAYER);
    EXPECT_EQ(match_teams[0]->dev, 1);
    EXPECT_EQ(match_teams[1]->control, CONTROL_COMPUTER);
    EXPECT_EQ(match_teams[1]->dev, -1);
    EXPECT_EQ(menu.status, 1);
    EXPECT_EQ(settings.music_vol, 0);
    EXPECT_TRUE(action_queue->empty()) << "nothing before the first update";
    screen.update();
    ASSERT_FALSE(action_queue->empty());
    const t_game_action_ref a = action_queue->pop();
    EXPECT_EQ(a->typ, ACTION_NEW_SCREEN);
    EXPECT_EQ(a->mode, 18);
    settings = saved;
    menu.status = saved_status;
    match_teams = {};
}
