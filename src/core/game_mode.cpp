#include "core/game_mode.hpp"

#include <cstdlib>

#include "core/game_action.hpp"
#include "core/globals.hpp"
#include "core/mouse.hpp"
#include "platform/fatal.hpp"
#include "platform/graphics.hpp"
#include "ui/menu_input.hpp"
#include "ui/menu_music.hpp"

int method_int_arg(const t_method_args& args, size_t index) {
    if (index >= args.size()) runtime_error("Missing callback argument");
    char* end = nullptr;
    const long v = std::strtol(args[index].c_str(), &end, 10);
    if (end == args[index].c_str()) runtime_error("Invalid callback argument: " + args[index]);
    return static_cast<int>(v);
}

t_game_mode::t_game_mode() {
    define_int_method("bc_set_menu", [this](int mode) { bc_set_menu(mode); });
    define_void_method("bc_widget_edit", [this] { bc_widget_edit(); });
    reset_menu_input();
}

void t_game_mode::define_method(const std::string& name, t_method method) { methods_[name] = std::move(method); }

void t_game_mode::define_int_method(const std::string& name, std::function<void(int)> method) {
    define_method(name, [m = std::move(method)](const t_method_args& a) { m(method_int_arg(a, 0)); });
}

void t_game_mode::define_void_method(const std::string& name, std::function<void()> method) {
    define_method(name, [m = std::move(method)](const t_method_args&) { m(); });
}

void t_game_mode::call_method(const std::string& name, const t_method_args& args) {
    const auto it = methods_.find(name);
    if (it == methods_.end()) runtime_error("Method " + name + " is not defined!");
    // Copy: the callback may replace the method table's owner's state.
    const t_method m = it->second;
    m(args);
}

void t_game_mode::bc_set_menu(int mode) { action_queue->push(ACTION_NEW_SCREEN, mode); }

void t_game_mode::bc_widget_edit() {
    if (selected_widget) selected_widget->set_entry_mode(1);
}

void t_game_mode::reset_menu_input() { ::reset_menu_input(); }

t_widget_ref t_game_mode::read_menu_input() { return ::read_menu_input(widgets, selected_widget); }

std::string t_game_mode::fire_event_name() {
    std::string e;
    if (menu_input.fa == 1 && menu_input.fa0 == 0) e = "fire1_down";
    if (menu_input.fa == 1 && menu_input.fa0 == 1 && menu_input.tfa == 0) e = "fire1_hold";
    if (menu_input.fa == 0 && menu_input.fa0 == 1) e = "fire1_up";
    if (menu_input.fb == 1 && menu_input.fb0 == 0) e = "fire2_down";
    if (menu_input.fb == 1 && menu_input.fb0 == 1 && menu_input.tfb == 0) e = "fire2_hold";
    if (menu_input.fb == 0 && menu_input.fb0 == 1) e = "fire2_up";
    return e;
}

void t_game_mode::update() {
    menu_music_frame();

    if (settings.mouse_enabled != 0) {
        mouse.poll();
        // A press selects what lies under the pointer, even when the pointer has not moved.
        const bool pressed = (mouse.button10 == 1 && mouse.button1 == 0) || (mouse.button20 == 1 && mouse.button2 == 0);
        if (!(selected_widget && selected_widget->takes_keys()) && (mouse.moved == 1 || pressed)) {
            for (const t_widget_ref& w : widgets)
                if (w->mouse_over() && w->visible != 0 && w->active != 0) selected_widget = w;
        }
    }

    selected_widget = read_menu_input();
    // Read before the widgets update: an input button that Escape cancels this frame still has the key.
    const bool go_back = escape_pressed() && !(selected_widget && selected_widget->takes_keys()) && exit_widget &&
                         exit_widget->visible != 0;

    // Index loop: an "on_update" callback may change the screen's widgets.
    for (size_t i = 0; i < widgets.size(); ++i) {
        const t_widget_ref w = widgets[i];
        w->update();
        if (w->get_changed() != 0) {
            const std::vector<t_binding> bindings = w->bindings;
            for (const t_binding& b : bindings)
                if (b.event_name == "on_update") call_method(b.method_name, b.method_arguments);
            w->set_changed(0);
        }
    }

    if (go_back) {
        event_name = "fire1_down";
        fire_bindings(exit_widget, event_name);
        return;
    }

    if (settings.mouse_enabled != 0 && selected_widget && !selected_widget->mouse_over() && mouse.moved == 1) return;

    event_name = fire_event_name();
    if (event_name.empty() || !selected_widget) return;
    fire_bindings(selected_widget, event_name);
}

void t_game_mode::fire_bindings(const t_widget_ref& widget, const std::string& event) {
    // Copies: a callback may replace the screen's widgets.
    const t_widget_ref target = widget;
    const std::vector<t_binding> bindings = target->bindings;
    for (const t_binding& b : bindings)
        if (b.event_name == event) call_method(b.method_name, b.method_arguments);
}

void t_game_mode::render() {
    set_color(fade_level, fade_level, fade_level);
    if (img_background) draw_image(img_background, 0, 0);
    for (const t_widget_ref& w : widgets) w->render();
    if (settings.mouse_enabled != 0 && arrow_image) {
        set_color(fade_level, fade_level, fade_level);
        draw_image(arrow_image, static_cast<float>(mouse.x), static_cast<float>(mouse.y));
    }
}
