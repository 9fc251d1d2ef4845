#include "platform/input.hpp"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <map>
#include <sstream>
#include <vector>

#include "core/text.hpp"
#include "platform/fatal.hpp"
#include "platform/graphics.hpp"
#include "platform/stream.hpp"

namespace {

constexpr int KEY_COUNT = 256;
constexpr int JOY_PORTS = 2;

// Bits of t_joystick::buttons for a pad: fire 1, fire 2, then every pad button by SDL's number.
constexpr int PAD_FIRE_BITS = 2;

struct t_joystick {
    SDL_Joystick* handle = nullptr;
    SDL_GameController* pad = nullptr; // set when SDL maps the device as a game controller
    SDL_JoystickID id = -1;
    float x = 0, y = 0;
    uint32_t buttons = 0;
    // Scripted state overrides the device while a script drives the port.
    bool scripted = false;
};

struct t_script_event {
    long frame;
    std::string verb;
    std::vector<std::string> args;
};

struct t_input_state {
    std::array<bool, KEY_COUNT> down{};
    std::array<int, KEY_COUNT> hits{};
    std::deque<int> chars;
    int mouse_wx = 0, mouse_wy = 0;
    bool mouse_logical = false;
    int mouse_lx = 0, mouse_ly = 0;
    std::array<bool, 4> mouse_buttons{};
    bool close = false;
    std::array<t_joystick, JOY_PORTS> joys{};
    // Per port: the pad buttons of fire 1 and fire 2.
    std::array<std::array<int, 2>, JOY_PORTS> pad_fire{{{PAD_BUTTON_A, PAD_BUTTON_B}, {PAD_BUTTON_A, PAD_BUTTON_B}}};
    bool sdl_input_ready = false;
    std::vector<t_script_event> script;
    size_t script_pos = 0;
    std::vector<std::pair<long, int>> pending_releases;
};

t_input_state in;

void ensure_input_system() {
    if (in.sdl_input_ready) return;
    in.sdl_input_ready = true;
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    // The game-controller part reads SDL's mapping database and SDL_GAMECONTROLLERCONFIG when it starts.
    if (SDL_WasInit(SDL_INIT_GAMECONTROLLER) == 0) SDL_InitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER);
}

void open_joystick(int device_index) {
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(device_index);
    for (const t_joystick& j : in.joys)
        if (j.handle != nullptr && j.id == id) return; // SDL may announce a device twice
    for (t_joystick& j : in.joys) {
        if (j.handle != nullptr) continue;
        if (SDL_IsGameController(device_index) == SDL_TRUE) j.pad = SDL_GameControllerOpen(device_index);
        j.handle = j.pad != nullptr ? SDL_GameControllerGetJoystick(j.pad) : SDL_JoystickOpen(device_index);
        if (j.handle != nullptr) j.id = SDL_JoystickInstanceID(j.handle);
        return;
    }
}

void close_joystick(SDL_JoystickID id) {
    for (t_joystick& j : in.joys)
        if (j.handle != nullptr && j.id == id) {
            if (j.pad != nullptr) SDL_GameControllerClose(j.pad);
            else SDL_JoystickClose(j.handle);
            j = t_joystick{};
        }
}

float axis_value(Sint16 v) { return std::max(-1.0f, static_cast<float>(v) / 32767.0f); }

void read_pad(t_joystick& j, const std::array<int, 2>& fire) {
    j.x = axis_value(SDL_GameControllerGetAxis(j.pad, SDL_CONTROLLER_AXIS_LEFTX));
    j.y = axis_value(SDL_GameControllerGetAxis(j.pad, SDL_CONTROLLER_AXIS_LEFTY));
    const auto held = [&](int b) {
        return SDL_GameControllerGetButton(j.pad, static_cast<SDL_GameControllerButton>(b)) != 0;
    };
    if (held(SDL_CONTROLLER_BUTTON_DPAD_LEFT)) j.x = -1;
    if (held(SDL_CONTROLLER_BUTTON_DPAD_RIGHT)) j.x = 1;
    if (held(SDL_CONTROLLER_BUTTON_DPAD_UP)) j.y = -1;
    if (held(SDL_CONTROLLER_BUTTON_DPAD_DOWN)) j.y = 1;
    uint32_t bits = 0;
    for (size_t f = 0; f < fire.size(); ++f)
        if (held(fire[f])) bits |= 1u << f;
    for (int b = 0; b < PAD_BUTTON_COUNT; ++b)
        if (held(b)) bits |= 1u << (PAD_FIRE_BITS + b);
    j.buttons = bits;
}

void read_joysticks() {
    for (size_t port = 0; port < in.joys.size(); ++port) {
        t_joystick& j = in.joys[port];
        if (j.handle == nullptr || j.scripted) continue;
        if (j.pad != nullptr) {
            read_pad(j, in.pad_fire[port]);
            continue;
        }
        j.x = SDL_JoystickNumAxes(j.handle) > 0 ? axis_value(SDL_JoystickGetAxis(j.handle, 0)) : 0;
        j.y = SDL_JoystickNumAxes(j.handle) > 1 ? axis_value(SDL_JoystickGetAxis(j.handle, 1)) : 0;
        // A hat counts as the stick, so pads with a d-pad steer too.
        if (SDL_JoystickNumHats(j.handle) > 0) {
            const Uint8 hat = SDL_JoystickGetHat(j.handle, 0);
            if ((hat & SDL_HAT_LEFT) != 0) j.x = -1;
            if ((hat & SDL_HAT_RIGHT) != 0) j.x = 1;
            if ((hat & SDL_HAT_UP) != 0) j.y = -1;
            if ((hat & SDL_HAT_DOWN) != 0) j.y = 1;
        }
        uint32_t bits = 0;
        const int n = std::min(32, SDL_JoystickNumButtons(j.handle));
        for (int b = 0; b < n; ++b)
            if (SDL_JoystickGetButton(j.handle, b) != 0) bits |= 1u << b;
        j.buttons = bits;
    }
}

int parse_int(const std::string& s, const std::string& line) {
    char* end = nullptr;
    const long v = std::strtol(s.c_str(), &end, 10);
    if (end == s.c_str() || *end != 0) runtime_error("Bad input script line: " + line);
    return static_cast<int>(v);
}

// Numbers in scripts saturate instead of overflowing (atoi would be undefined there).
int script_number(const std::string& s) {
    const long long v = std::strtoll(s.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

// A stick axis lies in -1..1; NaN and huge values would not survive the cast to float.
float script_axis(const std::string& s) {
    const double v = std::strtod(s.c_str(), nullptr);
    return std::isnan(v) ? 0.0f : static_cast<float>(std::clamp(v, -1.0, 1.0));
}

} // namespace

int key_from_scancode(int scancode) {
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) return 65 + (scancode - SDL_SCANCODE_A);
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) return 49 + (scancode - SDL_SCANCODE_1);
    if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12) return 112 + (scancode - SDL_SCANCODE_F1);
    if (scancode >= SDL_SCANCODE_KP_1 && scancode <= SDL_SCANCODE_KP_9) return 97 + (scancode - SDL_SCANCODE_KP_1);
    switch (scancode) {
    case SDL_SCANCODE_0: return 48;
    case SDL_SCANCODE_BACKSPACE: return 8;
    case SDL_SCANCODE_TAB: return 9;
    case SDL_SCANCODE_RETURN: return 13;
    case SDL_SCANCODE_KP_ENTER: return 13;
    case SDL_SCANCODE_PAUSE: return 19;
    case SDL_SCANCODE_CAPSLOCK: return 20;
    case SDL_SCANCODE_ESCAPE: return 27;
    case SDL_SCANCODE_SPACE: return 32;
    case SDL_SCANCODE_PAGEUP: return 33;
    case SDL_SCANCODE_PAGEDOWN: return 34;
    case SDL_SCANCODE_END: return 35;
    case SDL_SCANCODE_HOME: return 36;
    case SDL_SCANCODE_LEFT: return 37;
    case SDL_SCANCODE_UP: return 38;
    case SDL_SCANCODE_RIGHT: return 39;
    case SDL_SCANCODE_DOWN: return 40;
    case SDL_SCANCODE_INSERT: return 45;
    case SDL_SCANCODE_DELETE: return 46;
    case SDL_SCANCODE_LGUI: return 91;
    case SDL_SCANCODE_RGUI: return 92;
    case SDL_SCANCODE_APPLICATION: return 93;
    case SDL_SCANCODE_KP_0: return 96;
    case SDL_SCANCODE_KP_MULTIPLY: return 106;
    case SDL_SCANCODE_KP_PLUS: return 107;
    case SDL_SCANCODE_KP_MINUS: return 109;
    case SDL_SCANCODE_KP_PERIOD: return 110;
    case SDL_SCANCODE_KP_DIVIDE: return 111;
    case SDL_SCANCODE_NUMLOCKCLEAR: return 144;
    case SDL_SCANCODE_SCROLLLOCK: return 145;
    case SDL_SCANCODE_LSHIFT: return 160;
    case SDL_SCANCODE_RSHIFT: return 161;
    case SDL_SCANCODE_LCTRL: return 162;
    case SDL_SCANCODE_RCTRL: return 163;
    case SDL_SCANCODE_LALT: return 164;
    case SDL_SCANCODE_RALT: return 165;
    case SDL_SCANCODE_SEMICOLON: return 186;
    case SDL_SCANCODE_EQUALS: return 187;
    case SDL_SCANCODE_COMMA: return 188;
    case SDL_SCANCODE_MINUS: return 189;
    case SDL_SCANCODE_PERIOD: return 190;
    case SDL_SCANCODE_SLASH: return 191;
    case SDL_SCANCODE_GRAVE: return 192;
    case SDL_SCANCODE_LEFTBRACKET: return 219;
    case SDL_SCANCODE_BACKSLASH: return 220;
    case SDL_SCANCODE_RIGHTBRACKET: return 221;
    case SDL_SCANCODE_APOSTROPHE: return 222;
    case SDL_SCANCODE_NONUSBACKSLASH: return 226;
    default: return 0;
    }
}

int key_from_name(const std::string& raw) {
    const std::string name = to_upper_ascii(raw);
    static const std::map<std::string, int> names = {
        {"BACKSPACE", 8}, {"TAB", 9},     {"ENTER", 13},  {"RETURN", 13}, {"ESC", 27},    {"ESCAPE", 27},
        {"SPACE", 32},    {"PGUP", 33},   {"PGDN", 34},   {"END", 35},    {"HOME", 36},   {"LEFT", 37},
        {"UP", 38},       {"RIGHT", 39},  {"DOWN", 40},   {"INSERT", 45}, {"DELETE", 46}, {"LSHIFT", 160},
        {"RSHIFT", 161},  {"LCTRL", 162}, {"RCTRL", 163}, {"LALT", 164},  {"ALT", 164},   {"RALT", 165},
        {"COMMA", 188},   {"PERIOD", 190}, {"FULLSTOP", 190}, {"MINUS", 189}, {"SLASH", 191}};
    if (const auto it = names.find(name); it != names.end()) return it->second;
    if (name.size() == 1 && ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9'))) return name[0];
    if (name.size() >= 2 && name[0] == 'F' && name.find_first_not_of("0123456789", 1) == std::string::npos) {
        const int n = script_number(name.substr(1));
        if (n >= 1 && n <= 12) return 111 + n;
    }
    if (!name.empty() && name.find_first_not_of("0123456789") == std::string::npos) {
        const int n = script_number(name);
        if (n >= 0 && n < KEY_COUNT) return n;
    }
    return -1;
}

void input_key_event(int key, bool down) {
    if (key <= 0 || key >= KEY_COUNT) return;
    if (down && !in.down[key]) ++in.hits[key];
    in.down[key] = down;
}

void input_char_event(int code) { in.chars.push_back(code); }

void input_mouse_move(int x, int y) {
    in.mouse_logical = true;
    in.mouse_lx = x;
    in.mouse_ly = y;
}

void input_mouse_button(int button, bool down) {
    if (button >= 1 && button <= 3) in.mouse_buttons[static_cast<size_t>(button)] = down;
}

void input_close_request() { in.close = true; }

void poll_events() {
    ensure_input_system();
    SDL_Event e;
    while (SDL_PollEvent(&e) != 0) {
        switch (e.type) {
        case SDL_QUIT: in.close = true; break;
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_CLOSE) in.close = true;
            break;
        case SDL_KEYDOWN:
            if (e.key.repeat == 0) input_key_event(key_from_scancode(e.key.keysym.scancode), true);
            // Keys that type nothing still reach text entry (Backspace, Enter, Escape).
            if (e.key.keysym.sym == SDLK_BACKSPACE) input_char_event(8);
            if (e.key.keysym.sym == SDLK_RETURN || e.key.keysym.sym == SDLK_KP_ENTER) input_char_event(13);
            if (e.key.keysym.sym == SDLK_ESCAPE) input_char_event(27);
            break;
        case SDL_KEYUP: input_key_event(key_from_scancode(e.key.keysym.scancode), false); break;
        case SDL_TEXTINPUT:
            for (const uint32_t c : decode_utf8(e.text.text)) input_char_event(static_cast<int>(c));
            break;
        case SDL_MOUSEMOTION:
            in.mouse_logical = false;
            in.mouse_wx = e.motion.x;
            in.mouse_wy = e.motion.y;
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            // Buttons 1 and 2 are the left and right buttons.
            const int b = e.button.button == SDL_BUTTON_LEFT ? 1 : e.button.button == SDL_BUTTON_RIGHT ? 2 : 3;
            input_mouse_button(b, e.type == SDL_MOUSEBUTTONDOWN);
            break;
        }
        case SDL_JOYDEVICEADDED: open_joystick(e.jdevice.which); break;
        case SDL_JOYDEVICEREMOVED: close_joystick(e.jdevice.which); break;
        default: break;
        }
    }
    read_joysticks();
}

bool close_requested() {
    const bool c = in.close;
    in.close = false;
    return c;
}

bool key_down(int key) { return key > 0 && key < KEY_COUNT && in.down[key]; }

int key_hit(int key) {
    if (key <= 0 || key >= KEY_COUNT) return 0;
    const int n = in.hits[key];
    in.hits[key] = 0;
    return n;
}

int get_char() {
    if (in.chars.empty()) return 0;
    const int c = in.chars.front();
    in.chars.pop_front();
    return c;
}

void flush_keys() {
    in.down.fill(false);
    in.hits.fill(0);
    in.chars.clear();
}

int mouse_x() {
    if (in.mouse_logical) return in.mouse_lx;
    int lx = 0, ly = 0;
    window_to_logical(in.mouse_wx, in.mouse_wy, lx, ly);
    return lx;
}

int mouse_y() {
    if (in.mouse_logical) return in.mouse_ly;
    int lx = 0, ly = 0;
    window_to_logical(in.mouse_wx, in.mouse_wy, lx, ly);
    return ly;
}

bool mouse_down(int button) { return button >= 1 && button <= 3 && in.mouse_buttons[static_cast<size_t>(button)]; }

int joy_count() {
    ensure_input_system();
    int n = 0;
    for (const t_joystick& j : in.joys)
        if (j.handle != nullptr || j.scripted) ++n;
    return n + std::max(0, std::min(JOY_PORTS, SDL_NumJoysticks()) - n);
}

float joy_x(int port) { return port >= 0 && port < JOY_PORTS ? in.joys[static_cast<size_t>(port)].x : 0; }
float joy_y(int port) { return port >= 0 && port < JOY_PORTS ? in.joys[static_cast<size_t>(port)].y : 0; }

bool joy_down(int button, int port) {
    if (port < 0 || port >= JOY_PORTS || button < 0 || button > 31) return false;
    return (in.joys[static_cast<size_t>(port)].buttons & (1u << button)) != 0;
}

bool joy_is_pad(int port) { return port >= 0 && port < JOY_PORTS && in.joys[static_cast<size_t>(port)].pad != nullptr; }

void set_pad_fire_button(int port, int fire, int pad_button) {
    if (port < 0 || port >= JOY_PORTS || fire < 1 || fire > 2 || pad_button < 0 || pad_button >= PAD_BUTTON_COUNT) return;
    in.pad_fire[static_cast<size_t>(port)][static_cast<size_t>(fire - 1)] = pad_button;
}

int pad_fire_button(int port, int fire) {
    if (port < 0 || port >= JOY_PORTS || fire < 1 || fire > 2) return -1;
    return in.pad_fire[static_cast<size_t>(port)][static_cast<size_t>(fire - 1)];
}

std::string pad_button_name(int pad_button) {
    // SDL's order of SDL_GameControllerButton.
    static const char* const NAMES[PAD_BUTTON_COUNT] = {"A",          "B",           "X",          "Y",
                                                        "BACK",       "GUIDE",       "START",      "LEFT STICK",
                                                        "RIGHT STICK", "LEFT SHOULDER", "RIGHT SHOULDER", "D-PAD UP",
                                                        "D-PAD DOWN", "D-PAD LEFT",  "D-PAD RIGHT"};
    return pad_button >= 0 && pad_button < PAD_BUTTON_COUNT ? NAMES[pad_button] : "";
}

int pad_button_held(int port) {
    if (!joy_is_pad(port)) return -1;
    const uint32_t bits = in.joys[static_cast<size_t>(port)].buttons >> PAD_FIRE_BITS;
    for (int b = 0; b < PAD_BUTTON_COUNT; ++b)
        if ((bits & (1u << b)) != 0) return b;
    return -1;
}

bool pad_start_down(int port) {
    return joy_is_pad(port) &&
           (in.joys[static_cast<size_t>(port)].buttons & (1u << (PAD_FIRE_BITS + SDL_CONTROLLER_BUTTON_START))) != 0;
}

void flush_joy(int mask) {
    for (int p = 0; p < JOY_PORTS; ++p)
        if ((mask & (1 << p)) != 0) in.joys[static_cast<size_t>(p)].buttons = 0;
}

void load_input_script(const std::string& path) {
    auto stream = read_file(path);
    if (!stream) runtime_error("Cannot read input script: " + path);
    in.script.clear();
    in.script_pos = 0;
    while (!stream->eof()) {
        const std::string line = trim(stream->read_line());
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        std::string frame_word;
        t_script_event ev{};
        words >> frame_word >> ev.verb;
        ev.frame = parse_int(frame_word, line);
        if (ev.verb == "char") {
            std::string rest;
            std::getline(words, rest);
            ev.args.push_back(rest.empty() ? rest : rest.substr(1));
        } else {
            std::string a;
            while (words >> a) ev.args.push_back(a);
        }
        static const std::map<std::string, size_t> arity = {
            {"down", 1}, {"up", 1}, {"press", 1}, {"char", 1}, {"mouse", 2}, {"mousedown", 1}, {"mouseup", 1},
            {"joyaxis", 3}, {"joydown", 2}, {"joyup", 2}, {"close", 0}};
        const auto it = arity.find(ev.verb);
        if (it == arity.end() || ev.args.size() != it->second) runtime_error("Bad input script line: " + line);
        if ((ev.verb == "down" || ev.verb == "up" || ev.verb == "press") && key_from_name(ev.args[0]) < 0)
            runtime_error("Bad key in input script: " + line);
        in.script.push_back(ev);
    }
    std::stable_sort(in.script.begin(), in.script.end(),
                     [](const t_script_event& a, const t_script_event& b) { return a.frame < b.frame; });
}

void release_pending_script_keys() {
    // A script cannot let go of a key while the game waits without passing frames,
    // so the wait lets go of every key the script holds.
    if (in.script.empty()) return;
    in.pending_releases.clear();
    for (int k = 0; k < KEY_COUNT; ++k) in.down[static_cast<size_t>(k)] = false;
    for (t_joystick& j : in.joys)
        if (j.scripted) j.buttons = 0;
}

void apply_script_events(long frame) {
    for (auto it = in.pending_releases.begin(); it != in.pending_releases.end();) {
        if (it->first <= frame) {
            input_key_event(it->second, false);
            it = in.pending_releases.erase(it);
        } else {
            ++it;
        }
    }
    while (in.script_pos < in.script.size() && in.script[in.script_pos].frame <= frame) {
        const t_script_event& ev = in.script[in.script_pos++];
        const auto arg = [&](size_t i) { return ev.args.at(i); };
        if (ev.verb == "down") input_key_event(key_from_name(arg(0)), true);
        else if (ev.verb == "up") input_key_event(key_from_name(arg(0)), false);
        else if (ev.verb == "press") {
            input_key_event(key_from_name(arg(0)), true);
            in.pending_releases.emplace_back(frame + 2, key_from_name(arg(0)));
        } else if (ev.verb == "char") {
            for (const uint32_t c : decode_utf8(arg(0))) input_char_event(static_cast<int>(c));
        } else if (ev.verb == "mouse") input_mouse_move(script_number(arg(0)), script_number(arg(1)));
        else if (ev.verb == "mousedown") input_mouse_button(script_number(arg(0)), true);
        else if (ev.verb == "mouseup") input_mouse_button(script_number(arg(0)), false);
        else if (ev.verb == "joyaxis" || ev.verb == "joydown" || ev.verb == "joyup") {
            const int port = script_number(arg(0));
            if (port < 0 || port >= JOY_PORTS) continue;
            t_joystick& j = in.joys[static_cast<size_t>(port)];
            j.scripted = true;
            if (ev.verb == "joyaxis") {
                j.x = script_axis(arg(1));
                j.y = script_axis(arg(2));
            } else {
                const int b = script_number(arg(1));
                if (b < 0 || b > 31) continue;
                if (ev.verb == "joydown") j.buttons |= 1u << b;
                else j.buttons &= ~(1u << b);
            }
        } else if (ev.verb == "close") input_close_request();
    }
}

