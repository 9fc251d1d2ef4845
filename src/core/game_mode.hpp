#pragma once
// The base of every screen: the per-frame widget update, fire events and callbacks bound by name.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/image.hpp"
#include "ui/widget.hpp"

using t_method_args = std::vector<std::string>;
using t_method = std::function<void(const t_method_args&)>;

// Every screen, menu or match phase. Widget callbacks are found by name in the
// screen's method table, which each class fills in its constructor.
class t_game_mode {
public:
    t_game_mode();
    virtual ~t_game_mode() = default;
    t_game_mode(const t_game_mode&) = delete;
    t_game_mode& operator=(const t_game_mode&) = delete;

    virtual void update();
    virtual t_widget_ref read_menu_input();
    virtual void bc_set_menu(int mode);
    virtual void bc_widget_edit();
    virtual void reset_menu_input();
    virtual void render();

    // Fatal "Method <name> is not defined!" when the screen has no such callback.
    void call_method(const std::string& name, const t_method_args& args);
    bool has_method(const std::string& name) const { return methods_.count(name) != 0; }

    t_image_ref img_background;
    t_widget_ref selected_widget;
    std::vector<t_widget_ref> widgets;
    std::string event_name;

protected:
    void define_method(const std::string& name, t_method method);
    // Binds a callback that takes one int argument (given as decimal text).
    void define_int_method(const std::string& name, std::function<void(int)> method);
    void define_void_method(const std::string& name, std::function<void()> method);
    // The fire event of this frame from the menu input record, or "".
    static std::string fire_event_name();

private:
    std::map<std::string, t_method> methods_;
};

// Parses a callback argument; fatal on text that is not a number.
int method_int_arg(const t_method_args& args, size_t index);
