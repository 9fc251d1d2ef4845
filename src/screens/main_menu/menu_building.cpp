#include "screens/main_menu/menu_building.hpp"

#include "core/dictionary.hpp"

t_button_ref add_button(std::vector<t_widget_ref>& widgets, t_colours colours, int x, int y, int w, int h,
                        const std::string& caption, int charset, int align) {
    auto b = std::make_shared<t_button>();
    set_colours(*b, colours);
    b->set_geometry(x, y, w, h);
    b->set_text(caption, align, charset);
    widgets.push_back(b);
    return b;
}

t_button_ref add_caption(std::vector<t_widget_ref>& widgets, t_colours colours, int x, int y, int w, int h,
                         const std::string& caption, int charset, int align) {
    t_button_ref b = add_button(widgets, colours, x, y, w, h, caption, charset, align);
    b->active = 0;
    return b;
}

t_button_ref add_title(std::vector<t_widget_ref>& widgets, t_colours colours, const std::string& caption) {
    return add_caption(widgets, colours, 312, 40, 400, 40, caption);
}

std::shared_ptr<t_label> add_label(std::vector<t_widget_ref>& widgets, int x, int y, const std::string& text,
                                   int charset, int align) {
    auto l = std::make_shared<t_label>();
    l->set_position(x, y);
    l->set_text(text, align, charset);
    widgets.push_back(l);
    return l;
}

t_button_ref add_exit_button(std::vector<t_widget_ref>& widgets, const std::string& method,
                             std::vector<std::string> arguments, int y) {
    t_button_ref b = add_button(widgets, EXIT_COLOURS, 422, y, 180, 34, translate("EXIT"));
    b->bind("fire1_down", method, std::move(arguments));
    return b;
}

void set_colours(t_widget& widget, t_colours colours) { widget.set_colors(colours.body, colours.light, colours.dark); }

void bind_toggle(t_widget& widget, const std::string& method) {
    widget.bind("fire1_down", method);
    widget.bind("fire2_down", method);
}

void bind_steps(t_widget& widget, const std::string& method) {
    widget.bind("fire1_down", method, {"+1"});
    widget.bind("fire1_hold", method, {"+1"});
    widget.bind("fire2_down", method, {"-1"});
    widget.bind("fire2_hold", method, {"-1"});
}

std::string with_number(const std::string& text, int number) {
    std::string out = text;
    const size_t at = out.find("%n");
    if (at != std::string::npos) out.replace(at, 2, std::to_string(number));
    return out;
}
