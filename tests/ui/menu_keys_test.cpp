// Escape and Enter in menus, and clicks that land on no widget: what a player expects of any menu.
#include <gtest/gtest.h>

#include "core/game_mode.hpp"
#include "ui/input_button.hpp"
#include "ui/key_button.hpp"
#include "ui_test_support.hpp"

namespace {
// A screen with one action button, a name field and an EXIT, each counting its fire-1 presses.
class t_exit_screen : public t_game_mode {
public:
    t_exit_screen() {
        define_void_method("bc_action", [this] { ++action_fired; });
        define_void_method("bc_exit", [this] { ++exit_fired; });
        action->bind("fire1_down", "bc_action");
        exit->bind("fire1_down", "bc_exit");
        name->set_geometry(100, 200, 200, 40);
        name->set_entry_limit(10);
        widgets = {action, name, exit};
        selected_widget = action;
        exit_widget = exit;
    }
    void render() override {}
    void frame_with(int key) {
        press(key);
        update();
        release(key);
        update();
    }

    std::shared_ptr<t_button> action = make_button(100, 100, 200, 40);
    std::shared_ptr<t_input_button> name = std::make_shared<t_input_button>();
    std::shared_ptr<t_button> exit = make_button(100, 600, 200, 40);
    int action_fired = 0;
    int exit_fired = 0;
};

class MenuKeys : public testing::Test {
protected:
    void SetUp() override { reset_ui_input(); }
    void TearDown() override {
        reset_ui_input();
        mouse = t_mouse();
    }
    t_exit_screen screen;
};
} // namespace

TEST_F(MenuKeys, EscapeActsAsExitAndEnterAsFireOne) {
    screen.frame_with(KEY_ESCAPE);
    EXPECT_EQ(screen.exit_fired, 1);
    EXPECT_EQ(screen.action_fired, 0);
    screen.frame_with(KEY_ENTER);
    EXPECT_EQ(screen.action_fired, 1);
    EXPECT_EQ(screen.exit_fired, 1);
    // Held, Escape leaves once, not once per frame.
    press(KEY_ESCAPE);
    for (int f = 0; f < 20; ++f) screen.update();
    release(KEY_ESCAPE);
    screen.update();
    EXPECT_EQ(screen.exit_fired, 2);
}

TEST_F(MenuKeys, AScreenWithoutExitIgnoresEscape) {
    screen.exit_widget = nullptr;
    screen.frame_with(KEY_ESCAPE);
    EXPECT_EQ(screen.exit_fired, 0);
    EXPECT_EQ(screen.action_fired, 0);
}

TEST_F(MenuKeys, EscapeAndEnterInATextFieldStayThere) {
    screen.selected_widget = screen.name;
    screen.name->text = "OLD";
    screen.frame_with(KEY_ENTER); // opens the entry
    ASSERT_EQ(screen.name->entry_mode, 1);
    screen.frame_with(KEY_ESCAPE); // cancels the entry, does not leave the screen
    EXPECT_EQ(screen.name->entry_mode, 0);
    EXPECT_EQ(screen.exit_fired, 0);
    screen.frame_with(KEY_ENTER);
    ASSERT_EQ(screen.name->entry_mode, 1);
    screen.frame_with(KEY_ENTER); // commits, and the same Enter does not open the entry again
    EXPECT_EQ(screen.name->entry_mode, 0);
    for (int f = 0; f < 3; ++f) screen.update();
    EXPECT_EQ(screen.name->entry_mode, 0);
    EXPECT_EQ(screen.name->text, "OLD");
}

TEST_F(MenuKeys, EscapeCancelsAKeyCaptureWithoutLeaving) {
    auto key = std::make_shared<t_key_button>();
    key->set_geometry(400, 100, 100, 40);
    key->set_key(0, "key_up");
    screen.widgets.push_back(key);
    screen.selected_widget = key;
    key->set_entry_mode(1);
    screen.frame_with(KEY_ESCAPE);
    EXPECT_EQ(key->entry_mode, 0);
    EXPECT_EQ(screen.exit_fired, 0);
}

TEST_F(MenuKeys, AClickOnEmptySpaceFiresNothingAndAClickOnAButtonDoes) {
    settings.mouse_enabled = 1;
    const auto click_at = [&](int x, int y) {
        input_mouse_move(x, y);
        screen.update();
        input_mouse_button(1, true);
        for (int f = 0; f < 3; ++f) screen.update();
        input_mouse_button(1, false);
        for (int f = 0; f < 3; ++f) screen.update();
    };
    click_at(150, 120);
    EXPECT_EQ(screen.action_fired, 1);
    // Below every widget: the action stays selected but nothing fires.
    click_at(150, 700);
    EXPECT_EQ(screen.selected_widget, screen.action);
    EXPECT_EQ(screen.action_fired, 1);
    EXPECT_EQ(screen.exit_fired, 0);
    click_at(150, 620);
    EXPECT_EQ(screen.exit_fired, 1);
    EXPECT_EQ(screen.action_fired, 1);
}

TEST_F(MenuKeys, AClickSelectsTheButtonUnderAStillPointer) {
    settings.mouse_enabled = 1;
    input_mouse_move(150, 620);
    screen.update();
    screen.update();
    // The keys move the selection away while the pointer rests on EXIT.
    screen.selected_widget = screen.action;
    input_mouse_button(1, true);
    for (int f = 0; f < 3; ++f) screen.update();
    input_mouse_button(1, false);
    screen.update();
    EXPECT_EQ(screen.exit_fired, 1);
    EXPECT_EQ(screen.action_fired, 0);
}

TEST_F(MenuKeys, EscapeHeldFromTheScreenBeforeDoesNotLeaveTheNextOne) {
    press(KEY_ESCAPE); // the match's second Escape, still down when the screen after it opens
    t_exit_screen next;
    for (int f = 0; f < 5; ++f) next.update();
    EXPECT_EQ(next.exit_fired, 0);
    release(KEY_ESCAPE);
    next.update();
    next.frame_with(KEY_ESCAPE);
    EXPECT_EQ(next.exit_fired, 1);
}
