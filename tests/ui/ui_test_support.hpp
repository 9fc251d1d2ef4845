#pragma once
// Shared set-up for the menu toolkit tests: a clean keyboard, default key sets, no mouse.
#include <memory>
#include <string>
#include <vector>

#include "core/globals.hpp"
#include "core/mouse.hpp"
#include "core/settings.hpp"
#include "platform/input.hpp"
#include "ui/button.hpp"
#include "ui/menu_input.hpp"

// Drives joystick `port` through the platform's scripted input.
void set_joystick(int port, float x, float y);
void set_joystick_button(int port, int button, bool down);

inline void reset_ui_input() {
    // Sticks and buttons left over from an earlier test would steer this one.
    for (int port = 0; port < 2; ++port) {
        set_joystick(port, 0, 0);
        for (int b = 0; b < 4; ++b) set_joystick_button(port, b, false);
    }
    flush_keys();
    while (get_char() != 0) {
    }
    settings = t_settings();
    settings.mouse_enabled = 0;
    menu_input = t_menu_input();
}

inline std::shared_ptr<t_button> make_button(int x, int y, int w, int h) {
    auto b = std::make_shared<t_button>();
    b->set_geometry(x, y, w, h);
    return b;
}

inline void press(int key) { input_key_event(key, true); }
inline void release(int key) { input_key_event(key, false); }

