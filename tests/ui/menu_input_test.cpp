#include <gtest/gtest.h>

#include "core/game_mode.hpp"
#include "core/keycodes.hpp"
#include "ui/input.hpp"
#include "ui/key_button.hpp"
#include "ui/label.hpp"
#include "ui_test_support.hpp"

namespace {
using t_list = std::vector<t_widget_ref>;

class MenuInputNavigation : public testing::Test {
protected:
    void SetUp() override { reset_ui_input(); }
};

// Counts the fire events that reach the selected widget.
class t_event_screen : public t_game_mode {
public:
    t_event_screen() {
        define_method("bc_log", [this](const t_method_args& a) { log.push_back(a.at(0)); });
        button = make_button(100, 100, 200, 40);
        for (const char* e : {"fire1_down", "fire1_hold", "fire1_up", "fire2_down", "fire2_hold", "fire2_up"})
            button->bind(e, "bc_log", {e});
        widgets.push_back(button);
        selected_widget = button;
    }
    void render() override {}

    // The events of `frames` frames.
    std::vector<std::string> run(int frames) {
        std::vector<std::string> out;
        for (int f = 0; f < frames; ++f) {
            log.clear();
            update();
            out.push_back(log.empty() ? "" : log.front());
            EXPECT_LE(log.size(), 1u);
        }
        return out;
    }

    std::shared_ptr<t_button> button;
    std::vector<std::string> log;
};

std::vector<int> frames_with(const std::vector<std::string>& events, const std::string& name) {
    std::vector<int> out;
    for (size_t i = 0; i < events.size(); ++i)
        if (events[i] == name) out.push_back(static_cast<int>(i) + 1);
    return out;
}
} // namespace

TEST_F(MenuInputNavigation, SidewaysDistanceWeighsSevenTimes) {
    const auto s = make_button(400, 400, 100, 40);
    const auto far_above = make_button(400, 100, 100, 40);  // straight up, 300 away
    const auto near_aside = make_button(450, 330, 100, 40); // 70 up but 50 aside: 7 * 50 > 300
    const t_list list{near_aside, s, far_above};
    EXPECT_EQ(navigate(list, s, 0, -1, 0, 0), far_above);
    EXPECT_EQ(far_above->selected, 1);
    EXPECT_EQ(s->selected, 0);

    // Horizontally it is the vertical offset that counts sevenfold.
    const auto right_far = make_button(900, 400, 50, 40);
    const auto right_high = make_button(560, 320, 50, 40);
    const t_list row{s, right_high, right_far};
    EXPECT_EQ(navigate(row, s, 1, 0, 0, 0), right_far);
}

TEST_F(MenuInputNavigation, EqualScoresGoToTheEarlierWidget) {
    const auto s = make_button(400, 400, 100, 40);
    const auto left_of_centre = make_button(350, 300, 100, 40);
    const auto right_of_centre = make_button(450, 300, 100, 40);
    EXPECT_EQ(navigate({s, right_of_centre, left_of_centre}, s, 0, -1, 0, 0), right_of_centre);
    EXPECT_EQ(navigate({s, left_of_centre, right_of_centre}, s, 0, -1, 0, 0), left_of_centre);
}

TEST_F(MenuInputNavigation, OnlyWidgetsWhollyOnThatSideAreCandidates) {
    const auto s = make_button(400, 400, 100, 40);
    const auto overlapping = make_button(400, 370, 100, 40); // bottom edge 410 is below s's top
    const auto touching = make_button(400, 360, 100, 40);    // bottom edge exactly at s's top
    EXPECT_EQ(navigate({s, overlapping}, s, 0, -1, 0, 0), s);
    EXPECT_EQ(navigate({s, overlapping, touching}, s, 0, -1, 0, 0), touching);
    const auto beside = make_button(480, 400, 100, 40);
    EXPECT_EQ(navigate({s, beside}, s, 1, 0, 0, 0), s);
}

TEST_F(MenuInputNavigation, UnreachableWidgetsAndRunningTimersHoldTheSelection) {
    const auto s = make_button(400, 400, 100, 40);
    auto label = std::make_shared<t_label>();
    label->set_geometry(400, 100, 100, 40);
    const auto hidden = make_button(400, 200, 100, 40);
    hidden->visible = 0;
    const auto inactive = make_button(400, 300, 100, 40);
    inactive->active = 0;
    const t_list list{label, hidden, inactive, s};
    EXPECT_EQ(navigate(list, s, 0, -1, 0, 0), s);
    EXPECT_EQ(s->selected, 1);

    const auto above = make_button(400, 300, 100, 40);
    EXPECT_EQ(navigate({s, above}, s, 0, -1, 0, 3), s);
    s->set_entry_mode(1);
    EXPECT_EQ(navigate({s, above}, s, 0, -1, 0, 0), s);
}

TEST_F(MenuInputNavigation, DiagonalGoesUpThenSidewaysFromTheNewWidget) {
    const auto s = make_button(100, 400, 100, 40);
    const auto up = make_button(100, 300, 100, 40);
    const auto up_right = make_button(300, 300, 100, 40);
    const auto right = make_button(300, 400, 100, 40);
    EXPECT_EQ(navigate({s, up, up_right, right}, s, 1, -1, 0, 0), up_right);
}

TEST_F(MenuInputNavigation, DirectionActsOnPressThenAfterEightThenEveryTwoFrames) {
    t_list row;
    for (int i = 0; i < 20; ++i) row.push_back(make_button(10 + 50 * i, 100, 40, 40));
    t_widget_ref sel = row[0];
    press(settings.key[0].key_right);
    std::vector<int> moved;
    for (int frame = 1; frame <= 12; ++frame) {
        const t_widget_ref next = read_menu_input(row, sel);
        if (next != sel) moved.push_back(frame);
        sel = next;
    }
    release(settings.key[0].key_right);
    EXPECT_EQ(moved, (std::vector<int>{1, 9, 11}));
    read_menu_input(row, sel);
    EXPECT_EQ(menu_input.tx, 0);
}

TEST_F(MenuInputNavigation, OppositeDevicesCancelAndTheDeadZoneIsExclusive) {
    const auto s = make_button(0, 0, 10, 10);
    press(settings.key[0].key_left);
    set_joystick(0, 1.0f, 0.0f);
    read_menu_input({s}, s);
    EXPECT_EQ(menu_input.x, 0);
    release(settings.key[0].key_left);

    set_joystick(0, 0.5f, -0.5f);
    EXPECT_EQ(device_x(3), 0);
    EXPECT_EQ(device_y(3), 0);
    set_joystick(0, 0.51f, -0.51f);
    EXPECT_EQ(device_x(3), 1);
    EXPECT_EQ(device_y(3), -1);
    set_joystick(1, -0.9f, 0.9f);
    EXPECT_EQ(device_x(4), -1);
    EXPECT_EQ(device_y(4), 1);
    set_joystick_button(1, 1, true);
    EXPECT_EQ(device_fire2(4), 1);
    EXPECT_EQ(device_fire1(4), 0);
    EXPECT_EQ(device_x(5), 0);
    EXPECT_EQ(device_fire1(0), 0);
    set_joystick_button(1, 1, false);
    set_joystick(0, 0, 0);
    set_joystick(1, 0, 0);
}

TEST_F(MenuInputNavigation, KeySetsReadTheirOwnKeys) {
    const t_key_set& k1 = settings.key[1];
    press(k1.key_up);
    press(k1.button_2);
    EXPECT_EQ(device_y(2), -1);
    EXPECT_EQ(device_fire2(2), 1);
    EXPECT_EQ(device_y(1), 0);
    EXPECT_EQ(device_fire2(1), 0);
    release(k1.key_up);
    release(k1.button_2);
}

TEST_F(MenuInputNavigation, FireHoldRepeatsTenFramesAfterDownThenEveryFour) {
    t_event_screen screen;
    press(settings.key[0].button_1);
    const std::vector<std::string> held = screen.run(20);
    release(settings.key[0].button_1);
    const std::vector<std::string> after = screen.run(2);
    EXPECT_EQ(held[0], "fire1_down");
    EXPECT_EQ(frames_with(held, "fire1_down"), (std::vector<int>{1}));
    EXPECT_EQ(frames_with(held, "fire1_hold"), (std::vector<int>{11, 15, 19}));
    EXPECT_EQ(after, (std::vector<std::string>{"fire1_up", ""}));
}

TEST_F(MenuInputNavigation, FireTwoWinsWhenBothGoDownTogether) {
    t_event_screen screen;
    press(settings.key[0].button_1);
    press(settings.key[1].button_2);
    EXPECT_EQ(screen.run(1).front(), "fire2_down");
    release(settings.key[0].button_1);
    release(settings.key[1].button_2);
    screen.run(1);
}

TEST_F(MenuInputNavigation, FireHeldIntoANewScreenRaisesNoDown) {
    std::vector<std::string> first_screen, second_screen;
    press(settings.key[0].button_1);
    {
        t_event_screen screen;
        first_screen = screen.run(3);
    }
    t_event_screen next; // constructing a screen resets the menu input
    second_screen = next.run(12);
    release(settings.key[0].button_1);
    EXPECT_EQ(first_screen.front(), "fire1_down");
    EXPECT_TRUE(frames_with(second_screen, "fire1_down").empty());
    EXPECT_EQ(frames_with(second_screen, "fire1_hold"), (std::vector<int>{10}));
    next.run(1);
}

TEST_F(MenuInputNavigation, ATakenKeyActsOnTheMenuOnlyAfterItIsReleased) {
    // Key set 2's LEFT redefined to J: J still down in the next frames neither moves the selection
    // to the key button on its left nor counts as LEFT; pressed again, it does.
    load_key_names("en"); // only keys the game can name are taken
    t_event_screen screen;
    auto left = std::make_shared<t_key_button>();
    auto right = std::make_shared<t_key_button>();
    left->set_geometry(402, 380, 220, 34);
    right->set_geometry(642, 380, 220, 34);
    left->set_key(0, "key_left");
    right->set_key(1, "key_left");
    screen.widgets = {left, right};
    screen.selected_widget = right;
    right->selected = 1;
    right->set_entry_mode(1);
    press('J');
    screen.run(3);
    EXPECT_EQ(settings.key[1].key_left, 'J');
    EXPECT_EQ(right->entry_mode, 0);
    EXPECT_EQ(screen.selected_widget, right) << "the captured key also moved the selection";
    EXPECT_EQ(device_x(2), 0);
    release('J');
    screen.run(1);
    press('J');
    EXPECT_EQ(device_x(2), -1);
    screen.run(1);
    EXPECT_EQ(screen.selected_widget, left);
    release('J');
}

TEST_F(MenuInputNavigation, ResetClearsDirectionsButKeepsFireStates) {
    menu_input.x = menu_input.y = menu_input.x0 = menu_input.y0 = 1;
    menu_input.tx = menu_input.ty = 5;
    menu_input.fa = menu_input.fa0 = menu_input.fb = 1;
    reset_menu_input();
    EXPECT_EQ(menu_input.x + menu_input.y + menu_input.x0 + menu_input.y0 + menu_input.tx + menu_input.ty, 0);
    EXPECT_EQ(menu_input.tfa, 10);
    EXPECT_EQ(menu_input.tfb, 10);
    EXPECT_EQ(menu_input.fa + menu_input.fa0 + menu_input.fb, 3);
}

TEST_F(MenuInputNavigation, MouseButtonsCountOnlyWhenTheMouseIsEnabled) {
    const auto s = make_button(0, 0, 10, 10);
    mouse.button1 = 1;
    mouse.button2 = 1;
    read_menu_input({s}, s);
    EXPECT_EQ(menu_input.fa, 0);
    settings.mouse_enabled = 1;
    read_menu_input({s}, s);
    EXPECT_EQ(menu_input.fa, 1);
    EXPECT_EQ(menu_input.fb, 1);
    mouse = t_mouse();
}

TEST(MenuInputSides, ReadSmoothsAOneFrameBlip) {
    reset_ui_input();
    inputs[0] = t_input();
    inputs[0].dev = 1;
    const int right = settings.key[0].key_right;
    const auto frame = [] {
        input_shift(0);
        input_read(0);
    };
    // One frame of right between frames of nothing is dropped from the history.
    press(right);
    frame();
    EXPECT_EQ(inputs[0].x0, 1);
    release(right);
    frame();
    EXPECT_EQ(inputs[0].x0, 0);
    EXPECT_EQ(inputs[0].x1, 0);
    // Two frames of right are kept.
    press(right);
    frame();
    frame();
    release(right);
    frame();
    EXPECT_EQ(inputs[0].x0, 0);
    EXPECT_EQ(inputs[0].x1, 1);
    EXPECT_EQ(inputs[0].x2, 1);

    press(settings.key[0].button_1);
    input_shift(0);
    input_read(0);
    EXPECT_EQ(inputs[0].fire10, 1);
    input_shift(0);
    EXPECT_EQ(inputs[0].fire11, 1);
    release(settings.key[0].button_1);

    inputs[0].angle = 90;
    input_reset(0);
    EXPECT_EQ(inputs[0].x1 + inputs[0].x2 + inputs[0].fire10 + inputs[0].fire11, 0);
    EXPECT_EQ(inputs[0].angle, 90);
    EXPECT_EQ(inputs[0].dev, 1);
}

TEST(MenuInputSides, UnknownDevicesReadNothing) {
    reset_ui_input();
    press(settings.key[0].key_up);
    inputs[1] = t_input();
    inputs[1].dev = 0;
    input_read(1);
    EXPECT_EQ(inputs[1].y0, 0);
    release(settings.key[0].key_up);
}
