#include "ui/menu_toolkit.hpp"

#include "core/dictionary.hpp"
#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "ui/menu.hpp"

namespace {
constexpr int TITLE_X = 312, TITLE_Y = 40, TITLE_W = 400, TITLE_H = 40;
constexpr int EXIT_X = 422, EXIT_W = 180, EXIT_H = 34;
} // namespace

void set_colours(t_widget& widget, t_colours colours) { widget.set_colors(colours.body, colours.light, colours.dark); }

t_button_ref add_button(t_game_mode& screen, t_colours colours, int x, int y, int w, int h, const std::string& caption,
                        int charset, int align) {
    return add_widget<t_button>(screen, colours, x, y, w, h, caption, charset, align);
}

t_button_ref add_caption(t_game_mode& screen, t_colours colours, int x, int y, int w, int h, const std::string& caption,
                         int charset, int align) {
    t_button_ref b = add_button(screen, colours, x, y, w, h, caption, charset, align);
    b->active = 0;
    return b;
}

t_button_ref add_title(t_game_mode& screen, t_colours colours, const std::string& caption) {
    return add_caption(screen, colours, TITLE_X, TITLE_Y, TITLE_W, TITLE_H, caption);
}

std::shared_ptr<t_label> add_label(t_game_mode& screen, int x, int y, const std::string& text, int charset, int align) {
    auto l = std::make_shared<t_label>();
    l->set_position(x, y);
    l->set_text(text, align, charset);
    screen.widgets.push_back(l);
    return l;
}

t_button_ref add_message_box(t_game_mode& screen, int x, int y, int w, int h) {
    t_button_ref b = add_caption(screen, PLAY_RED, x, y, w, h, "", SMALL_FONT);
    b->visible = 0;
    return b;
}

void show_message(t_button& box, const std::string& text) {
    box.text = text;
    box.visible = text.empty() ? 0 : 1;
}

void bind_screen_change(t_game_mode& screen, t_widget& widget, int mode) {
    bind_fire(screen, widget, "bc_set_menu", &t_game_mode::bc_set_menu, {std::to_string(mode)});
}

t_button_ref add_exit_caption(t_game_mode& screen, int y) {
    t_button_ref b = add_button(screen, EXIT_COLOURS, EXIT_X, y, EXIT_W, EXIT_H, translate("EXIT"));
    screen.exit_widget = b;
    return b;
}

void open_how_to_play(int back) {
    menu.help_return = back;
    action_queue->push(ACTION_NEW_SCREEN, MODE_HOW_TO_PLAY);
}

std::string with_number(const std::string& text, int number) {
    std::string out = text;
    const size_t at = out.find("%n");
    if (at != std::string::npos) out.replace(at, 2, std::to_string(number));
    return out;
}
