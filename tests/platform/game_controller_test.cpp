// Pads through SDL's game-controller mapping: a mapped pad drives the menus and a match, its fire buttons
// can be redefined, and it comes and goes. SDL's virtual game controller stands in for the pad; SDL gives
// it its own mapping (A = raw button 0, B = 1, X = 2, START = 6, left stick = axes 0 and 1), which wins
// over a line of SDL_GAMECONTROLLERCONFIG for a virtual device, so the line is given for real pads only.
#include <gtest/gtest.h>

#include <SDL.h>

#include <memory>
#include <string>

#include "core/game_action.hpp"
#include "core/game_mode.hpp"
#include "core/globals.hpp"
#include "match/core/function_keys.hpp"
#include "match/core/match_state.hpp"
#include "platform/input.hpp"
#include "ui/button.hpp"
#include "ui/input.hpp"
#include "ui/menu_input.hpp"

namespace {
constexpr int RAW_A = 0;
constexpr int RAW_B = 1;
constexpr int RAW_X = 2;
constexpr int RAW_START = 6;
constexpr int RAW_BUTTONS = 8;
constexpr int PAD_PORT = 0;
constexpr int PAD_DEVICE = 3; // menu and match device of joystick port 0

class t_one_button : public t_game_mode {
public:
    t_one_button() {
        define_void_method("bc_fire1", [this] { ++fire1; });
        define_void_method("bc_fire2", [this] { ++fire2; });
        button->set_geometry(100, 100, 200, 40);
        button->bind("fire1_down", "bc_fire1");
        button->bind("fire2_down", "bc_fire2");
        widgets = {button};
        selected_widget = button;
    }
    void render() override {}
    std::shared_ptr<t_button> button = std::make_shared<t_button>();
    int fire1 = 0;
    int fire2 = 0;
};

class GameController : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
        index_ = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, RAW_BUTTONS, 1);
        ASSERT_GE(index_, 0) << SDL_GetError();
        poll_events(); // starts the controller part and opens the pad
        raw_ = SDL_JoystickOpen(index_);
        ASSERT_NE(raw_, nullptr);
        menu_input = t_menu_input();
        settings = t_settings();
        settings.mouse_enabled = 0;
    }
    void TearDown() override {
        if (raw_ != nullptr) SDL_JoystickClose(raw_);
        SDL_JoystickDetachVirtual(index_);
        poll_events();
    }
    void set_raw(int button, bool down) {
        SDL_JoystickSetVirtualButton(raw_, button, down ? SDL_PRESSED : SDL_RELEASED);
        poll_events();
    }

    int index_ = -1;
    SDL_Joystick* raw_ = nullptr;
};
} // namespace

TEST_F(GameController, TheMappedButtonsAreFireOneAndTwoInTheMenus) {
    ASSERT_TRUE(joy_is_pad(PAD_PORT));
    t_one_button screen;
    screen.update();
    set_raw(RAW_X, true); // X is neither fire
    screen.update();
    set_raw(RAW_X, false);
    screen.update();
    EXPECT_EQ(screen.fire1, 0);
    set_raw(RAW_A, true);
    screen.update();
    set_raw(RAW_A, false);
    screen.update();
    EXPECT_EQ(screen.fire1, 1);
    set_raw(RAW_B, true);
    screen.update();
    set_raw(RAW_B, false);
    screen.update();
    EXPECT_EQ(screen.fire2, 1);
    // The left stick moves.
    SDL_JoystickSetVirtualAxis(raw_, 0, 32767);
    poll_events();
    EXPECT_EQ(device_x(PAD_DEVICE), 1);
    SDL_JoystickSetVirtualAxis(raw_, 0, 0);
    SDL_JoystickSetVirtualAxis(raw_, 1, -32767);
    poll_events();
    EXPECT_EQ(device_y(PAD_DEVICE), -1);
}

TEST_F(GameController, APadPlaysAMatchAndStartPauses) {
    action_queue = std::make_unique<t_game_action_queue>();
    function_keys = t_function_key{};
    inputs[0] = t_input{};
    inputs[0].dev = PAD_DEVICE;
    set_raw(RAW_A, true);
    input_shift(0);
    input_read(0);
    EXPECT_EQ(inputs[0].fire10, 1);
    set_raw(RAW_A, false);
    set_raw(RAW_B, true);
    input_shift(0);
    input_read(0);
    EXPECT_EQ(inputs[0].fire10, 0);
    EXPECT_EQ(inputs[0].fire20, 1);
    set_raw(RAW_B, false);

    EXPECT_FALSE(handle_function_keys());
    set_raw(RAW_START, true);
    EXPECT_TRUE(handle_function_keys());
    EXPECT_TRUE(match_paused());
    set_raw(RAW_START, false);
    EXPECT_TRUE(handle_function_keys());
    set_raw(RAW_START, true);
    EXPECT_FALSE(handle_function_keys()) << "START again goes on";
    EXPECT_FALSE(match_paused());
    set_raw(RAW_START, false);
}

TEST_F(GameController, FireButtonsCanBeRedefinedAndThePadComesBackAfterUnplugging) {
    set_pad_fire_button(PAD_PORT, 1, 2); // X
    set_raw(RAW_A, true);
    EXPECT_FALSE(joy_down(0, PAD_PORT)) << "A is no longer fire 1";
    EXPECT_EQ(pad_button_held(PAD_PORT), PAD_BUTTON_A);
    set_raw(RAW_A, false);
    set_raw(RAW_X, true);
    EXPECT_TRUE(joy_down(0, PAD_PORT));
    set_raw(RAW_X, false);
    set_pad_fire_button(PAD_PORT, 1, PAD_BUTTON_A);

    SDL_JoystickClose(raw_);
    raw_ = nullptr;
    SDL_JoystickDetachVirtual(index_);
    poll_events();
    EXPECT_FALSE(joy_is_pad(PAD_PORT));
    index_ = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, RAW_BUTTONS, 1);
    poll_events();
    raw_ = SDL_JoystickOpen(index_);
    EXPECT_TRUE(joy_is_pad(PAD_PORT));
    set_raw(RAW_A, true);
    EXPECT_TRUE(joy_down(0, PAD_PORT));
    set_raw(RAW_A, false);
}
