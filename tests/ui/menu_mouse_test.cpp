// The pointer in a menu frame: hovering selects, moving off the selection drops a fire
// press, and a widget taking text keeps the selection wherever the pointer goes.
#include <gtest/gtest.h>

#include "core/game_mode.hpp"
#include "ui_test_support.hpp"

namespace {
class t_two_buttons : public t_game_mode {
public:
    t_two_buttons() {
        define_void_method("bc_left", [this] { ++left_fired; });
        define_void_method("bc_right", [this] { ++right_fired; });
        left->bind("fire1_down", "bc_left");
        right->bind("fire1_down", "bc_right");
        widgets = {left, right};
        selected_widget = left;
    }
    void render() override {}

    std::shared_ptr<t_button> left = make_button(100, 100, 100, 40);
    std::shared_ptr<t_button> right = make_button(300, 100, 100, 40);
    int left_fired = 0;
    int right_fired = 0;
};

class MenuMouse : public testing::Test {
protected:
    void SetUp() override {
        reset_ui_input();
        settings.mouse_enabled = 1;
        mouse = t_mouse();
        input_mouse_move(0, 0);
        screen.update(); // the pointer's first place is no move
    }
    void TearDown() override {
        release(fire_key);
        reset_ui_input();
        mouse = t_mouse();
    }
    // One frame with the fire key going down, the pointer at (x, y); then one with it up.
    void click_with_fire_key_at(int x, int y) {
        input_mouse_move(x, y);
        press(fire_key);
        screen.update();
        release(fire_key);
        screen.update();
    }

    t_two_buttons screen;
    int fire_key = 0;
};
} // namespace

TEST_F(MenuMouse, HoverSelectsAndFireActsOnTheWidgetUnderThePointer) {
    fire_key = settings.key[0].button_1;
    input_mouse_move(350, 120);
    screen.update();
    EXPECT_EQ(screen.selected_widget, screen.right);
    // Moving inside the selected widget keeps the press.
    click_with_fire_key_at(360, 125);
    EXPECT_EQ(screen.right_fired, 1);
    EXPECT_EQ(screen.left_fired, 0);
}

TEST_F(MenuMouse, APressIsDroppedWhenThePointerMovesOffTheSelection) {
    fire_key = settings.key[0].button_1;
    input_mouse_move(150, 120);
    screen.update();
    ASSERT_EQ(screen.selected_widget, screen.left);
    // Off every widget: the selection stays, but this frame's press goes nowhere.
    click_with_fire_key_at(600, 600);
    EXPECT_EQ(screen.selected_widget, screen.left);
    EXPECT_EQ(screen.left_fired, 0);
    // A pointer left lying off the widget does not stop the keys.
    click_with_fire_key_at(600, 600);
    EXPECT_EQ(screen.left_fired, 1);
}

TEST_F(MenuMouse, AWidgetInEntryModeKeepsTheSelection) {
    screen.left->entry_mode = 1;
    input_mouse_move(350, 120);
    screen.update();
    EXPECT_EQ(screen.selected_widget, screen.left);
    EXPECT_EQ(screen.right->selected, 0);
    screen.left->entry_mode = 0;
    input_mouse_move(360, 120);
    screen.update();
    EXPECT_EQ(screen.selected_widget, screen.right);
}
