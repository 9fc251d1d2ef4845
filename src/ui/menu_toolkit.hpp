#pragma once
// How every menu screen builds its widgets: create, colour, place, caption, append, and bind callbacks.
#include <memory>
#include <string>
#include <vector>

#include "core/game_mode.hpp"
#include "ui/button.hpp"
#include "ui/label.hpp"
#include "ui/menu_colours.hpp"
#include "ui/widget.hpp"

constexpr int LARGE_FONT = 14;
constexpr int SMALL_FONT = 10;
constexpr int ALIGN_RIGHT = -1;
constexpr int ALIGN_CENTRE = 0;
constexpr int ALIGN_LEFT = 1;
constexpr int EXIT_BUTTON_Y = 680;

using t_button_ref = std::shared_ptr<t_button>;

void set_colours(t_widget& widget, t_colours colours);

// A widget of kind W appended to the screen; the caption is stored as given (callers translate).
template <class W = t_button>
std::shared_ptr<W> add_widget(t_game_mode& screen, t_colours colours, int x, int y, int w, int h,
                              const std::string& caption, int charset = LARGE_FONT, int align = ALIGN_CENTRE) {
    auto widget = std::make_shared<W>();
    set_colours(*widget, colours);
    widget->set_geometry(x, y, w, h);
    widget->set_text(caption, align, charset);
    screen.widgets.push_back(widget);
    return widget;
}

t_button_ref add_button(t_game_mode& screen, t_colours colours, int x, int y, int w, int h, const std::string& caption,
                        int charset = LARGE_FONT, int align = ALIGN_CENTRE);
// An inactive button: a title or a row caption.
t_button_ref add_caption(t_game_mode& screen, t_colours colours, int x, int y, int w, int h, const std::string& caption,
                         int charset = LARGE_FONT, int align = ALIGN_CENTRE);
// The title of an option screen, centred at the top.
t_button_ref add_title(t_game_mode& screen, t_colours colours, const std::string& caption);
std::shared_ptr<t_label> add_label(t_game_mode& screen, int x, int y, const std::string& text, int charset, int align);
// A red, unselectable box for a failure the user must see; hidden while empty.
t_button_ref add_message_box(t_game_mode& screen, int x, int y, int w, int h);
void show_message(t_button& box, const std::string& text);

// Fire 1 calls `method` with `arguments`.
template <class F>
void bind_fire(t_game_mode& screen, t_widget& widget, const std::string& name, F method, t_method_args arguments = {}) {
    screen.bind_callback(widget, "fire1_down", name, std::move(method), std::move(arguments));
}

// Fire 1 and fire 2 both call `method` with no argument.
template <class F>
void bind_toggle(t_game_mode& screen, t_widget& widget, const std::string& name, F method) {
    screen.bind_callback(widget, "fire1_down", name, method);
    screen.bind_callback(widget, "fire2_down", name, method);
}

// Fire 1 steps "+1" and fire 2 "-1" (after any `leading` arguments), on the press and on the repeat while held.
template <class F>
void bind_steps(t_game_mode& screen, t_widget& widget, const std::string& name, F method,
                const t_method_args& leading = {}) {
    t_method_args up = leading, down = leading;
    up.emplace_back("+1");
    down.emplace_back("-1");
    screen.bind_callback(widget, "fire1_down", name, method, up);
    screen.bind_callback(widget, "fire1_hold", name, method, up);
    screen.bind_callback(widget, "fire2_down", name, method, down);
    screen.bind_callback(widget, "fire2_hold", name, method, down);
}

// Fire 1 opens screen `mode`.
void bind_screen_change(t_game_mode& screen, t_widget& widget, int mode);

// A button that calls `method` (with `arguments`) on fire 1.
template <class F>
t_button_ref add_action_button(t_game_mode& screen, t_colours colours, int x, int y, int w, int h,
                               const std::string& caption, const std::string& name, F method,
                               t_method_args arguments = {}, int charset = LARGE_FONT) {
    t_button_ref b = add_button(screen, colours, x, y, w, h, caption, charset);
    bind_fire(screen, *b, name, std::move(method), std::move(arguments));
    return b;
}

// "EXIT" of a sub-screen at its usual place, calling `method` (with `arguments`) on fire 1.
t_button_ref add_exit_caption(t_game_mode& screen, int y);
template <class F>
t_button_ref add_exit_button(t_game_mode& screen, const std::string& name, F method, t_method_args arguments = {},
                             int y = EXIT_BUTTON_Y) {
    t_button_ref b = add_exit_caption(screen, y);
    bind_fire(screen, *b, name, std::move(method), std::move(arguments));
    return b;
}

// Opens the HOW TO PLAY screen, whose EXIT comes back to screen `back`.
void open_how_to_play(int back);

// "%n" in `text` replaced by `number`.
std::string with_number(const std::string& text, int number);
