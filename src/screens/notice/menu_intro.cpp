#include "screens/notice/menu_intro.hpp"

#include <algorithm>
#include <array>

#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/mouse.hpp"
#include "platform/graphics.hpp"
#include "platform/input.hpp"
#include "screens/notice/notice_text.hpp"
#include "ui/menu_input.hpp"

namespace {
#include "core/screen_modes.hpp"
#include "screens/notice/licence_text.inc"

// The left, middle and right buttons.
constexpr int MOUSE_BUTTONS = 3;

bool any_mouse_button_held() {
    for (int b = 1; b <= MOUSE_BUTTONS; ++b)
        if (mouse_down(b)) return true;
    return false;
}

void fade_colour() { set_color(fade_level, fade_level, fade_level); }

// Escape on a notice screen: wait for every key and fire button to be let go, then back to the intro.
void leave_to_intro() {
    wait_input_release();
    while (get_char() != 0) {
    }
    action_queue->push(ACTION_NEW_SCREEN, MODE_INTRO);
}
} // namespace

MenuIntro::MenuIntro()
    : lines{"Quilbo Rovudo " QUILBO_VERSION ", a football game",
            "Copyright (C) 2026 the Quilbo Rovudo developers",
            "",
            "Quilbo Rovudo comes with ABSOLUTELY NO WARRANTY; for details press 'W'.",
            "This is free software, and you are welcome to redistribute it",
            "under certain conditions; press 'C' for details."} {}

void MenuIntro::update() {
    if (key_down('C')) {
        action_queue->push(ACTION_NEW_SCREEN, MODE_COPYING);
    } else if (key_down('W')) {
        action_queue->push(ACTION_NEW_SCREEN, MODE_WARRANTY);
    } else if (get_char() != 0 || any_key_held() || any_mouse_button_held() || any_joy_button_held()) {
        action_queue->push(ACTION_FADE_OUT, 0);
        action_queue->push(ACTION_NEW_SCREEN, MODE_MAIN_MENU);
        action_queue->push(ACTION_FADE_IN, 0);
    }
}

void MenuIntro::render() {
    cls();
    fade_colour();
    for (size_t i = 0; i < lines.size(); ++i) draw_text_aligned(lines[i], 512, 312 + 12 * static_cast<float>(i), 0);
    draw_text_aligned("Press any key to continue", 512, 452, 0);
}

MenuWarranty::MenuWarranty() {
    for (size_t i = 0; i < lines.size(); ++i) lines[i] = restore_quotes(WARRANTY_LINES[i]);
}

void MenuWarranty::update() {
    if (key_down(KEY_ESCAPE)) leave_to_intro();
}

void MenuWarranty::render() {
    cls();
    fade_colour();
    for (size_t i = 0; i < lines.size(); ++i) draw_text_aligned(lines[i], 512, 240 + 12 * static_cast<float>(i), 0);
    draw_text_aligned("Press 'ESC' to return", 512, 524, 0);
}

MenuCopying::MenuCopying() {
    for (size_t i = 0; i < lines.size(); ++i) lines[i] = restore_quotes(LICENCE_LINES[i]);
}

void MenuCopying::update() {
    if (key_down(KEY_DOWN)) offset = std::min(offset + 1, count - VISIBLE_LINES);
    else if (key_down(KEY_UP)) offset = std::max(0, offset - 1);
    else if (key_down(KEY_ESCAPE)) leave_to_intro();
}

void MenuCopying::render() {
    cls();
    fade_colour();
    draw_line(157, 132, 867, 132);
    draw_line(157, 600, 867, 600);
    draw_line(157, 132, 157, 600);
    draw_line(867, 132, 867, 600);
    draw_rect(865, static_cast<float>(offset * 450 / (count - 30) + 136), 5, 10);
    if (offset > 0) draw_text("...", 180, 156);
    for (int i = offset; i <= offset + VISIBLE_LINES - 1 && i < count; ++i)
        draw_text_aligned(lines[static_cast<size_t>(i)], 180, static_cast<float>(180 + 12 * (i - offset)), 1);
    if (offset < count - VISIBLE_LINES) draw_text("...", 180, 564);
    draw_text_aligned("Press arrow keys to scroll text, 'ESC' to return", 512, 648, 0);
}
