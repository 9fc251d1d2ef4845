#pragma once
// Menu input: directions and fire buttons from key sets, joysticks and mouse, and moving the selection.
#include <bitset>
#include <cstdint>
#include <vector>

#include "ui/widget.hpp"

// Directions and fire buttons of every menu device folded into one record.
class t_menu_input {
public:
    int32_t x = 0, y = 0, fa = 0, fb = 0;
    int32_t x0 = 0, y0 = 0, fa0 = 0, fb0 = 0;
    int32_t tx = 0, ty = 0, tfa = 0, tfb = 0;
    // Escape held this frame and the previous one: a screen's way back.
    int32_t esc = 0, esc0 = 0;
    // A mouse press counts as fire only when it began on the selected widget.
    int32_t mouse1_before = 0, mouse2_before = 0;
    bool mouse1_on_widget = false, mouse2_on_widget = false;
    // Keys that count as up for the devices until they are released.
    std::bitset<256> held_back;
};

extern t_menu_input menu_input;

// Device readers: 1 and 2 the key sets, 3 and 4 the joysticks (dead zone 0.5).
int device_x(int dev);
int device_y(int dev);
int device_fire1(int dev);
int device_fire2(int dev);

// Reads the devices, moves the selection and returns the widget to select.
t_widget_ref read_menu_input(const std::vector<t_widget_ref>& widgets, const t_widget_ref& selected);
// The selection-moving half, on its own.
t_widget_ref navigate(const std::vector<t_widget_ref>& widgets, const t_widget_ref& selected, int dir_x, int dir_y,
                      int timer_x, int timer_y);
void reset_menu_input();
// Escape went down this frame.
bool escape_pressed();
// A key just given to a key set is still down: it must not also move the selection or fire.
void hold_back_until_released(int key);
// Key codes 1..255 are keys; joysticks 0 and 1 have up to 32 buttons each.
constexpr int KEY_CODES = 256;
constexpr int MENU_JOYSTICKS = 2;
constexpr int JOY_BUTTONS = 32;
bool any_key_held();
bool any_joy_button_held();
// Waits until no key and no joystick fire button is held.
void wait_input_release();
