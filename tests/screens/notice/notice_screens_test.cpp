// The intro, licence and warranty screens read the keyboard, mouse and joysticks themselves.
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "../../ui/ui_test_support.hpp"
#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "screens/notice/menu_intro.hpp"

namespace {
class NoticeScreens : public testing::Test {
protected:
    void SetUp() override {
        // Also gives the input a script, so the wait for released keys lets go of them at once.
        reset_ui_input();
        for (int b = 1; b <= 3; ++b) input_mouse_button(b, false);
        action_queue = std::make_unique<t_game_action_queue>();
    }
    void TearDown() override {
        for (int b = 1; b <= 3; ++b) input_mouse_button(b, false);
        reset_ui_input();
    }

    static std::vector<std::pair<int, int>> queued() {
        std::vector<std::pair<int, int>> out;
        while (auto a = action_queue->pop()) out.emplace_back(a->typ, a->mode);
        return out;
    }
};

const std::vector<std::pair<int, int>> TO_MAIN_MENU = {{ACTION_FADE_OUT, 0}, {ACTION_NEW_SCREEN, 1}, {ACTION_FADE_IN, 0}};
const std::vector<std::pair<int, int>> TO_INTRO = {{ACTION_NEW_SCREEN, 33}};
} // namespace

TEST_F(NoticeScreens, IntroWaitsThenCAndWTogetherOpenTheLicence) {
    MenuIntro intro;
    intro.update();
    EXPECT_TRUE(queued().empty());
    press('C');
    press('W');
    intro.update();
    EXPECT_EQ(queued(), (std::vector<std::pair<int, int>>{{ACTION_NEW_SCREEN, 34}}));
    release('C');
    intro.update();
    EXPECT_EQ(queued(), (std::vector<std::pair<int, int>>{{ACTION_NEW_SCREEN, 35}}));
    release('W');
}

// A player with only a gamepad, or a key that types nothing, must get past "press any key".
TEST_F(NoticeScreens, IntroGoesOnForAnyKeyMouseButtonOrJoystickButton) {
    MenuIntro intro;
    const auto continues_with = [&](const auto& hold, const auto& let_go) {
        hold();
        intro.update();
        const auto actions = queued();
        let_go();
        intro.update();
        EXPECT_TRUE(queued().empty()) << "nothing held, nothing happens";
        return actions == TO_MAIN_MENU;
    };
    constexpr int SHIFT = 16;
    EXPECT_TRUE(continues_with([] { press(SHIFT); }, [] { release(SHIFT); }));
    EXPECT_TRUE(continues_with([] { press(KEY_F1 + 4); }, [] { release(KEY_F1 + 4); }));
    EXPECT_TRUE(continues_with([] { input_char_event('x'); }, [] {}));
    EXPECT_TRUE(continues_with([] { input_mouse_button(1, true); }, [] { input_mouse_button(1, false); }));
    EXPECT_TRUE(continues_with([] { input_mouse_button(2, true); }, [] { input_mouse_button(2, false); }));
    EXPECT_TRUE(continues_with([] { set_joystick_button(0, 0, true); }, [] { set_joystick_button(0, 0, false); }));
    EXPECT_TRUE(continues_with([] { set_joystick_button(1, 7, true); }, [] { set_joystick_button(1, 7, false); }));
    // Pushing a stick is no button.
    EXPECT_FALSE(continues_with([] { set_joystick(0, 1, 0); }, [] { set_joystick(0, 0, 0); }));
}

TEST_F(NoticeScreens, LicenceStopsAtItsEndAndAtItsTop) {
    MenuCopying licence;
    EXPECT_EQ(licence.lines[0].find('%'), std::string::npos);
    press(KEY_DOWN);
    for (int frame = 0; frame < 200; ++frame) licence.update();
    EXPECT_EQ(licence.offset, 167) << "lines 167 to 197 are the last page";
    release(KEY_DOWN);
    press(KEY_UP);
    for (int frame = 0; frame < 170; ++frame) licence.update();
    EXPECT_EQ(licence.offset, 0);
    release(KEY_UP);
    EXPECT_TRUE(queued().empty());
}

TEST_F(NoticeScreens, EscapeWhileAnArrowIsHeldLeavesOnlyOnceTheArrowsAreUp) {
    MenuCopying licence;
    press(KEY_DOWN);
    press(KEY_ESCAPE);
    licence.update();
    licence.update();
    EXPECT_EQ(licence.offset, 2);
    EXPECT_TRUE(queued().empty());
    release(KEY_DOWN);
    input_char_event('q');
    licence.update();
    EXPECT_EQ(queued(), TO_INTRO);
    EXPECT_EQ(licence.offset, 2);
    EXPECT_EQ(get_char(), 0) << "the typed characters went with the screen";
    EXPECT_FALSE(key_down(KEY_ESCAPE)) << "left only when Escape was let go";

    MenuWarranty warranty;
    warranty.update();
    EXPECT_TRUE(queued().empty());
    press(KEY_ESCAPE);
    warranty.update();
    EXPECT_EQ(queued(), TO_INTRO);
}
