#pragma once
// Short-hands for the construction pattern every editor screen repeats:
// colours, geometry, caption, bindings, then into the screen's list.
#include <memory>
#include <string>
#include <vector>

#include "core/game_mode.hpp"
#include "screens/main_menu/menu_building.hpp"
#include "ui/button.hpp"
#include "ui/label.hpp"

inline constexpr t_colours GREEN_BUTTON{0x568200, 0x77B400, 0x243E00};
inline constexpr t_colours EXIT_BUTTON{0xC84200, 0xFF6519, 0x803300};
inline constexpr t_colours EDIT_TITLE{0x89421B, 0xBB5A25, 0x3D1E0D};
inline constexpr t_colours SAVE_BUTTON{0x10A000, 0x15E000, 0x096000};
inline constexpr t_colours RED_BUTTON{0xDC0000, 0xFF4141, 0x8C0000};
inline constexpr t_colours GREY_BUTTON{0x666666, 0x8F8D8D, 0x404040};

template <class W = t_button>
std::shared_ptr<W> add_widget(t_game_mode& screen, const t_colours& c, int x, int y, int w, int h,
                              const std::string& text, int align = 0, int charset = 14) {
    auto widget = std::make_shared<W>();
    set_colours(*widget, c);
    widget->set_geometry(x, y, w, h);
    widget->set_text(text, align, charset);
    screen.widgets.push_back(widget);
    return widget;
}

// A button bound on fire 1 to `method` with `args`.
inline std::shared_ptr<t_button> add_button(t_game_mode& screen, const t_colours& c, int x, int y, int w, int h,
                                            const std::string& text, const std::string& method,
                                            std::vector<std::string> args = {}, int charset = 14) {
    auto b = add_widget<t_button>(screen, c, x, y, w, h, text, 0, charset);
    b->bind("fire1_down", method, std::move(args));
    return b;
}

inline std::shared_ptr<t_button> add_title(t_game_mode& screen, const t_colours& c, int x, int y, int w, int h,
                                           const std::string& text) {
    auto b = add_widget<t_button>(screen, c, x, y, w, h, text);
    b->active = 0;
    return b;
}

// Value buttons step +1 on fire 1 and -1 on fire 2, repeating while held.
inline void bind_row_steps(t_widget& w, const std::string& method, const std::vector<std::string>& head = {}) {
    std::vector<std::string> up = head, down = head;
    up.push_back("+1");
    down.push_back("-1");
    w.bind("fire1_down", method, up);
    w.bind("fire1_hold", method, up);
    w.bind("fire2_down", method, down);
    w.bind("fire2_hold", method, down);
}

// A red, unselectable box for a failure the user must see; hidden while empty.
inline std::shared_ptr<t_button> add_message_box(t_game_mode& screen, int x, int y, int w, int h) {
    auto b = add_widget<t_button>(screen, RED_BUTTON, x, y, w, h, "", 0, 10);
    b->active = 0;
    b->visible = 0;
    return b;
}

inline void show_message(t_button& box, const std::string& text) {
    box.text = text;
    box.visible = text.empty() ? 0 : 1;
}
