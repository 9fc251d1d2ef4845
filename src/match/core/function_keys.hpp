#pragma once
// Keys that work in every phase of a match: P pause, Space highlight, F5/F6 effects volume,
// F8 commentary, F10 crowd chants, F12 automatic replays.
#include <string>

constexpr int KEY_PAUSE = 'P';
constexpr int KEY_F5 = 116;
constexpr int KEY_F6 = 117;
constexpr int KEY_F8 = 119;
constexpr int KEY_F10 = 121;
constexpr int KEY_F12 = 123;

// Once per update of a phase that offers the keys. True while the match is paused, or while the
// phase's next screen waits in the action queue: the phase then does nothing else this update. A pause lasts until every key and joystick button has
// been let go and then P or fire 1 of either side is held; it spans updates rather than
// blocking, so scripted runs keep feeding the keys that end it.
bool handle_function_keys();
bool match_paused();
// Escape ends a match only when pressed again within two seconds; the first press says so.
bool escape_ends_match();
constexpr long ESCAPE_CONFIRM_MS = 2000;

// "SOUND EFFECTS" bar: ten characters, "|" up to the volume.
std::string volume_bar(int sound_vol);
