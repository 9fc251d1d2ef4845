#pragma once
// How the menu screens build their widgets: create, colour, place, caption, bind, append.
#include <memory>
#include <string>
#include <vector>

#include "ui/button.hpp"
#include "ui/label.hpp"
#include "ui/widget.hpp"

struct t_colours {
    int body = 0;
    int light = 0;
    int dark = 0;
};

constexpr int LARGE_FONT = 14;
constexpr int SMALL_FONT = 10;
constexpr int ALIGN_RIGHT = -1;
constexpr int ALIGN_CENTRE = 0;
constexpr int ALIGN_LEFT = 1;

constexpr t_colours EXIT_COLOURS{0xC84200, 0xFF6519, 0x803300};
constexpr t_colours CAPTION_RED{0x800000, 0xB40000, 0x400000};
constexpr t_colours VALUE_BLUE_A{0x3C3C78, 0x5858AC, 0x202040};
constexpr t_colours VALUE_BLUE_B{0x1F1F95, 0x3030D4, 0x151563};
constexpr t_colours NO_COLOURS{0, 0, 0};

using t_button_ref = std::shared_ptr<t_button>;

// A button appended to `widgets`; the caption is stored as given (callers translate).
t_button_ref add_button(std::vector<t_widget_ref>& widgets, t_colours colours, int x, int y, int w, int h,
                        const std::string& caption, int charset = LARGE_FONT, int align = ALIGN_CENTRE);
// An inactive button: a title or a row caption.
t_button_ref add_caption(std::vector<t_widget_ref>& widgets, t_colours colours, int x, int y, int w, int h,
                         const std::string& caption, int charset = LARGE_FONT, int align = ALIGN_CENTRE);
// The title of an option screen, centred at the top.
t_button_ref add_title(std::vector<t_widget_ref>& widgets, t_colours colours, const std::string& caption);
std::shared_ptr<t_label> add_label(std::vector<t_widget_ref>& widgets, int x, int y, const std::string& text,
                                   int charset, int align);
// "EXIT" of a sub-screen at its usual place, bound to `method` (with `arguments`) on fire 1.
t_button_ref add_exit_button(std::vector<t_widget_ref>& widgets, const std::string& method,
                             std::vector<std::string> arguments = {}, int y = 680);

void set_colours(t_widget& widget, t_colours colours);
// Fire 1 and fire 2 both call `method` with no argument.
void bind_toggle(t_widget& widget, const std::string& method);
// Fire 1 steps "+1" and fire 2 "-1", on the press and on the repeat while held.
void bind_steps(t_widget& widget, const std::string& method);
// "%n" in `text` replaced by `number`.
std::string with_number(const std::string& text, int number);
