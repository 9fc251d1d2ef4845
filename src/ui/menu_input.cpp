#include "ui/menu_input.hpp"

#include <cmath>

#include "core/globals.hpp"
#include "core/mouse.hpp"
#include "platform/graphics.hpp"
#include "platform/input.hpp"
#include "platform/timer.hpp"

t_menu_input menu_input;

namespace {
int axis(float a) {
    if (std::fabs(a) <= 0.5f) return 0;
    return a > 0 ? 1 : -1;
}

const t_key_set* key_set_of(int dev) {
    if (dev == 1) return &settings.key[0];
    if (dev == 2) return &settings.key[1];
    return nullptr;
}

int down(int key) {
    if (key <= 0 || key >= static_cast<int>(menu_input.held_back.size())) return key_down(key) ? 1 : 0;
    const auto index = static_cast<size_t>(key);
    if (!key_down(key)) {
        menu_input.held_back[index] = false;
        return 0;
    }
    return menu_input.held_back[index] ? 0 : 1;
}

void fire_timer(int32_t now, int32_t before, int32_t& timer) {
    if (now == 1) {
        if (before == 0) timer = 10;
        else if (timer == 0) timer = 4;
    } else if (before == 0) {
        timer = 0;
    }
    if (timer > 0) --timer;
}

void direction_timer(int32_t now, int32_t before, int32_t& timer) {
    if (now != 0) {
        if (before == 0) timer = 8;
        else if (timer == 0) timer = 2;
    } else {
        timer = 0;
    }
    if (timer > 0) --timer;
}

// A mouse button acts only for a press that began over the selected widget: a click on
// empty space must not fire whatever the keys had selected.
int mouse_fire(int32_t button, int32_t& before, bool& on_widget, const t_widget_ref& selected) {
    if (button == 1 && before == 0)
        on_widget = selected && selected->visible != 0 && selected->active != 0 && selected->mouse_over();
    before = button;
    return button == 1 && on_widget ? 1 : 0;
}

double centre_x(const t_widget& w) { return w.x + 0.5 * w.w; }
double centre_y(const t_widget& w) { return w.y + 0.5 * w.h; }
} // namespace

int device_x(int dev) {
    if (const t_key_set* k = key_set_of(dev)) return down(k->key_right) - down(k->key_left);
    if (dev == 3 || dev == 4) return axis(joy_x(dev - 3));
    return 0;
}

int device_y(int dev) {
    if (const t_key_set* k = key_set_of(dev)) return down(k->key_down) - down(k->key_up);
    if (dev == 3 || dev == 4) return axis(joy_y(dev - 3));
    return 0;
}

int device_fire1(int dev) {
    if (const t_key_set* k = key_set_of(dev)) return down(k->button_1);
    if (dev == 3 || dev == 4) return joy_down(0, dev - 3) ? 1 : 0;
    return 0;
}

int device_fire2(int dev) {
    if (const t_key_set* k = key_set_of(dev)) return down(k->button_2);
    if (dev == 3 || dev == 4) return joy_down(1, dev - 3) ? 1 : 0;
    return 0;
}

t_widget_ref navigate(const std::vector<t_widget_ref>& widgets, const t_widget_ref& selected, int dir_x, int dir_y,
                      int timer_x, int timer_y) {
    for (const t_widget_ref& w : widgets) w->selected = 0;
    t_widget_ref s = selected;
    if (!s) return s;
    if (s->entry_mode == 1) {
        s->selected = 1;
        return s;
    }
    const auto reachable = [&](const t_widget_ref& c, const t_widget_ref& from) {
        return c != from && c->visible != 0 && c->active != 0;
    };
    if ((dir_y == -1 || dir_y == 1) && timer_y == 0) {
        double best = 50000;
        t_widget_ref pick;
        for (const t_widget_ref& c : widgets) {
            if (!reachable(c, s)) continue;
            if (dir_y == -1 && !(c->y + c->h <= s->y)) continue;
            if (dir_y == 1 && !(c->y >= s->y + s->h)) continue;
            const double dx = centre_x(*c) - centre_x(*s), dy = centre_y(*c) - centre_y(*s);
            const double score = std::sqrt((7 * dx) * (7 * dx) + dy * dy);
            if (score < best) {
                best = score;
                pick = c;
            }
        }
        if (pick) s = pick;
    }
    if ((dir_x == -1 || dir_x == 1) && timer_x == 0) {
        double best = 50000;
        t_widget_ref pick;
        for (const t_widget_ref& c : widgets) {
            if (!reachable(c, s)) continue;
            if (dir_x == -1 && !(c->x + c->w <= s->x)) continue;
            if (dir_x == 1 && !(c->x >= s->x + s->w)) continue;
            const double dx = centre_x(*c) - centre_x(*s), dy = centre_y(*c) - centre_y(*s);
            const double score = std::sqrt(dx * dx + (7 * dy) * (7 * dy));
            if (score < best) {
                best = score;
                pick = c;
            }
        }
        if (pick) s = pick;
    }
    s->selected = 1;
    return s;
}

t_widget_ref read_menu_input(const std::vector<t_widget_ref>& widgets, const t_widget_ref& selected) {
    t_menu_input& m = menu_input;
    fire_timer(m.fa, m.fa0, m.tfa);
    fire_timer(m.fb, m.fb0, m.tfb);
    m.x0 = m.x;
    m.y0 = m.y;
    m.fa0 = m.fa;
    m.fb0 = m.fb;
    int minus_x = 0, plus_x = 0, minus_y = 0, plus_y = 0, fire1 = 0, fire2 = 0;
    for (int dev = 1; dev <= 4; ++dev) {
        const int dx = device_x(dev), dy = device_y(dev);
        minus_x |= dx == -1 ? 1 : 0;
        plus_x |= dx == 1 ? 1 : 0;
        minus_y |= dy == -1 ? 1 : 0;
        plus_y |= dy == 1 ? 1 : 0;
        fire1 |= device_fire1(dev);
        fire2 |= device_fire2(dev);
    }
    m.x = plus_x - minus_x;
    m.y = plus_y - minus_y;
    // Enter is fire 1 of every menu, whatever the key sets hold, except for a widget that takes the keys:
    // there it commits, and must not open the entry again.
    if (!(selected && selected->takes_keys())) fire1 |= down(KEY_ENTER);
    m.esc0 = m.esc;
    m.esc = down(KEY_ESCAPE);
    const bool use_mouse = settings.mouse_enabled != 0;
    const int mouse1 = use_mouse ? mouse_fire(mouse.button1, m.mouse1_before, m.mouse1_on_widget, selected) : 0;
    const int mouse2 = use_mouse ? mouse_fire(mouse.button2, m.mouse2_before, m.mouse2_on_widget, selected) : 0;
    m.fa = (fire1 != 0 || mouse1 == 1) ? 1 : 0;
    m.fb = (fire2 != 0 || mouse2 == 1) ? 1 : 0;
    if (selected && selected->entry_mode == 1) {
        for (const t_widget_ref& w : widgets) w->selected = 0;
        selected->selected = 1;
        return selected;
    }
    t_widget_ref result = navigate(widgets, selected, m.x, m.y, m.tx, m.ty);
    direction_timer(m.x, m.x0, m.tx);
    direction_timer(m.y, m.y0, m.ty);
    return result;
}

void hold_back_until_released(int key) {
    if (key > 0 && key < static_cast<int>(menu_input.held_back.size())) menu_input.held_back[static_cast<size_t>(key)] = true;
}

void reset_menu_input() {
    menu_input.x = menu_input.y = menu_input.x0 = menu_input.y0 = 0;
    menu_input.tx = menu_input.ty = 0;
    menu_input.tfa = menu_input.tfb = 10;
    // Escape or Enter still held from the screen before (the match's second Escape) must not act here.
    for (const int key : {KEY_ESCAPE, KEY_ENTER})
        if (key_down(key)) hold_back_until_released(key);
}

bool escape_pressed() { return menu_input.esc == 1 && menu_input.esc0 == 0; }

bool any_key_held() {
    for (int k = 1; k < KEY_CODES; ++k)
        if (key_down(k)) return true;
    return false;
}

bool any_joy_button_held() {
    for (int port = 0; port < MENU_JOYSTICKS; ++port)
        for (int b = 0; b < JOY_BUTTONS; ++b)
            if (joy_down(b, port)) return true;
    return false;
}

void wait_input_release() {
    // Events keep arriving while we wait, or the release would never be seen.
    while (any_key_held()) {
        delay(5);
        poll_events();
        release_pending_script_keys();
    }
    while (joy_down(0, 0) || joy_down(0, 1)) {
        delay(5);
        poll_events();
        release_pending_script_keys();
    }
}
