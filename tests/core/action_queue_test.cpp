#include <gtest/gtest.h>

#include "core/game.hpp"
#include "core/game_action.hpp"
#include "core/game_mode.hpp"
#include "core/screen_modes.hpp"

TEST(ActionQueue, KeepsOrderAndDescribesItself) {
    t_game_action_queue q;
    q.push(3, 0);
    q.push(1, 12);
    EXPECT_EQ(q.to_string(), "ACTION: Type: 3\tMode: 0\nACTION: Type: 1\tMode: 12\n");
    EXPECT_EQ(q.pop()->typ, 3);
    EXPECT_EQ(q.pop()->mode, 12);
    EXPECT_EQ(q.pop(), nullptr);
}

TEST(ActionQueue, FadeInRunsThirtyOneFramesWithoutUpdates) {
    auto a = std::make_shared<t_game_action>();
    a->set_type(ACTION_FADE_IN, 0);
    a->timer = FADE_FRAMES;
    int32_t fade = 0;
    std::vector<int32_t> levels;
    while (a) {
        EXPECT_FALSE(step_action(a, fade));
        levels.push_back(fade);
    }
    ASSERT_EQ(levels.size(), 31u);
    EXPECT_EQ(levels.front(), 7);
    EXPECT_EQ(levels[1], 15);
    EXPECT_EQ(levels.back(), 247);
    EXPECT_TRUE(step_action(a, fade)); // nothing running: the screen updates again
}

TEST(ActionQueue, FadeOutDimsToEight) {
    auto a = std::make_shared<t_game_action>();
    a->set_type(ACTION_FADE_OUT, 0);
    a->timer = FADE_FRAMES;
    int32_t fade = 255;
    std::vector<int32_t> levels;
    while (a) {
        step_action(a, fade);
        levels.push_back(fade);
    }
    EXPECT_EQ(levels.front(), 248);
    EXPECT_EQ(levels.back(), 8);
}

TEST(ActionQueue, ScreenChangesFinishAtOnce) {
    auto a = std::make_shared<t_game_action>();
    a->set_type(ACTION_NEW_SCREEN, 5);
    int32_t fade = 100;
    EXPECT_TRUE(step_action(a, fade));
    EXPECT_EQ(a, nullptr);
    EXPECT_EQ(fade, 100);
}

namespace {
class t_probe_screen : public t_game_mode {
public:
    t_probe_screen() {
        define_int_method("bc_count", [this](int n) { total += n; });
    }
    void render() override {}
    int total = 0;
};
} // namespace

TEST(MethodBinding, CallsByNameWithParsedArguments) {
    t_probe_screen s;
    s.call_method("bc_count", {"4"});
    s.call_method("bc_count", {"-1"});
    EXPECT_EQ(s.total, 3);
    EXPECT_TRUE(s.has_method("bc_set_menu"));
    EXPECT_TRUE(s.has_method("bc_widget_edit"));
    EXPECT_EXIT(s.call_method("bc_missing", {}), testing::ExitedWithCode(1), "Method bc_missing is not defined!");
}

TEST(ModeTable, RejectsNumbersOutsideTheTable) {
    EXPECT_EXIT(make_mode(0), testing::ExitedWithCode(1), "invalid game mode");
    EXPECT_EXIT(make_mode(static_cast<int>(SCREEN_NAMES.size()) + 1), testing::ExitedWithCode(1), "invalid game mode");
    // Quitting is a number of the table but no screen: only the game object turns it into the end.
    EXPECT_EXIT(make_mode(MODE_QUIT), testing::ExitedWithCode(1), "invalid game mode");
    EXPECT_NE(make_mode(MODE_INTRO), nullptr);
    EXPECT_NE(make_mode(MODE_TACTICS_LOAD), nullptr);
}

TEST(ScreenNames, LookUpTheClassAtBothEndsOfTheTable) {
    EXPECT_FALSE(is_screen_mode(0));
    EXPECT_TRUE(is_screen_mode(MODE_MAIN_MENU));
    EXPECT_TRUE(is_screen_mode(MODE_QUIT));
    EXPECT_TRUE(is_screen_mode(MODE_HOW_TO_PLAY));
    EXPECT_TRUE(is_screen_mode(SCREEN_NAMES.back().mode));
    EXPECT_FALSE(is_screen_mode(SCREEN_NAMES.back().mode + 1));
    EXPECT_EQ(screen_class_name(MODE_MAIN_MENU), "MenuMain");
    EXPECT_EQ(screen_class_name(MODE_MATCH_LOADING), "MatchLoading");
    EXPECT_EQ(screen_class_name(MODE_TACTICS_LOAD), "t_menu_tactics_load");
    EXPECT_EQ(screen_class_name(MODE_QUIT), "");
    EXPECT_EQ(screen_class_name(MODE_HOW_TO_PLAY), "MenuHowToPlay");
}
