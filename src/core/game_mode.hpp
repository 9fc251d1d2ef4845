#pragma once
// The base of every screen: the per-frame widget update, fire events and callbacks bound by name.
#include <functional>
#include <map>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/image.hpp"
#include "ui/widget.hpp"

using t_method_args = std::vector<std::string>;
using t_method = std::function<void(const t_method_args&)>;

// Parses a callback argument; fatal on text that is not a number.
int method_int_arg(const t_method_args& args, size_t index);

// A callback argument as the bound method takes it: numbers parsed, text as given ("" when absent).
template <class T>
T method_arg(const t_method_args& args, size_t index) {
    if constexpr (std::is_same_v<T, int>) return method_int_arg(args, index);
    else return index < args.size() ? args[index] : std::string();
}

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

    // Registers `method` (a member of this screen, or any callable taking int or text arguments)
    // under `name` and binds it to `widget` for `event`. Registering where the binding is made
    // writes each name once, so a misspelt name cannot leave a binding without its method.
    template <class F>
    void bind_callback(t_widget& widget, const std::string& event, const std::string& name, F method,
                       t_method_args arguments = {}) {
        define_method(name, method_from(std::move(method)));
        widget.bind(event, name, std::move(arguments));
    }

    t_image_ref img_background;
    t_widget_ref selected_widget;
    // The button Escape stands for (the screen's EXIT or back), if it has one.
    t_widget_ref exit_widget;
    std::vector<t_widget_ref> widgets;
    std::string event_name;

protected:
    void define_method(const std::string& name, t_method method);
    // Binds a callback that takes one int argument (given as decimal text).
    void define_int_method(const std::string& name, std::function<void(int)> method);
    void define_void_method(const std::string& name, std::function<void()> method);
    // The fire event of this frame from the menu input record, or "".
    static std::string fire_event_name();
    void fire_bindings(const t_widget_ref& widget, const std::string& event);

private:
    template <class... A, size_t... I>
    static void call_with(const std::function<void(A...)>& f, const t_method_args& a, std::index_sequence<I...>) {
        f(method_arg<std::decay_t<A>>(a, I)...);
    }
    template <class... A>
    static t_method adapt(std::function<void(A...)> f) {
        return [f = std::move(f)](const t_method_args& a) { call_with(f, a, std::index_sequence_for<A...>{}); };
    }
    template <class S, class... A>
    t_method member_method(void (S::*m)(A...)) {
        S* self = static_cast<S*>(this);
        return adapt(std::function<void(A...)>([self, m](A... v) { (self->*m)(v...); }));
    }
    template <class F>
    t_method method_from(F f) {
        if constexpr (std::is_member_function_pointer_v<F>) return member_method(f);
        else return adapt(std::function{std::move(f)});
    }

    std::map<std::string, t_method> methods_;
};
