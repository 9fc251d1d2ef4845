#pragma once
// Keyboard, mouse and joystick state, and the scripted input of test runs.
#include <string>

// Key codes are the game's own 0..255 numbering (cursor keys 37..40, letters
// 65..90, F1 112, left Alt 164, comma 188, full stop 190 ...).
constexpr int KEY_BACKSPACE = 8;
constexpr int KEY_TAB = 9;
constexpr int KEY_ENTER = 13;
constexpr int KEY_ESCAPE = 27;
constexpr int KEY_SPACE = 32;
constexpr int KEY_LEFT = 37;
constexpr int KEY_UP = 38;
constexpr int KEY_RIGHT = 39;
constexpr int KEY_DOWN = 40;
constexpr int KEY_F1 = 112;
constexpr int KEY_LEFT_ALT = 164;

bool key_down(int key);
int key_hit(int key);
// Next typed character (Latin-1 or wider code), 0 when none.
int get_char();
void flush_keys();

int mouse_x();
int mouse_y();
bool mouse_down(int button);

int joy_count();
float joy_x(int port);
float joy_y(int port);
bool joy_down(int button, int port);
void flush_joy(int mask = -1);

// Devices that SDL knows as game controllers (its mapping database, or SDL_GAMECONTROLLERCONFIG) are
// read as pads: D-pad or left stick move, and fire 1 and 2 are pad buttons numbered as SDL numbers them
// (0 A, 1 B, 2 X, 3 Y, 4 BACK, 5 GUIDE, 6 START ...), A and B unless redefined. Other devices are read raw.
constexpr int PAD_BUTTON_A = 0;
constexpr int PAD_BUTTON_B = 1;
constexpr int PAD_BUTTON_COUNT = 15;
bool joy_is_pad(int port);
void set_pad_fire_button(int port, int fire, int pad_button);
int pad_fire_button(int port, int fire);
// "A", "B", "X", "Y", "BACK" ... ("" outside the range).
std::string pad_button_name(int pad_button);
// A pad button held now, by SDL's number, whatever fire 1 and 2 are; -1 when none.
int pad_button_held(int port);
// START of the pad on `port` (pauses a match).
bool pad_start_down(int port);

// Reads window-system events into the input state; flip() calls it once per frame.
void poll_events();
bool close_requested();

// Scripted input, keyed by presented frame number: see the README.
// Fatal when the file cannot be read or a line is malformed.
void load_input_script(const std::string& path);
void apply_script_events(long frame);
// When a script drives the game, lets go of every key and button it holds (a wait for all keys up passes no frames).
void release_pending_script_keys();

// The platform layer's key numbering for an SDL scancode (0 when unmapped).
int key_from_scancode(int scancode);
// Key code for a name used in scripts ("ESC", "F1", "A", "UP", "LALT", or a number).
int key_from_name(const std::string& name);

// Event feed used by the window layer and by tests.
void input_key_event(int key, bool down);
void input_char_event(int code);
void input_mouse_move(int x, int y);
void input_mouse_button(int button, bool down);
void input_close_request();
