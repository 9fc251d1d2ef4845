#include "core/globals.hpp"

#include "core/backgrounds.hpp"
#include "core/game_action.hpp"
#include "core/mouse.hpp"

t_game* game = nullptr;
std::unique_ptr<t_game_action_queue> action_queue;
std::array<t_display_mode, DISPLAY_MODES> display_modes{{{640, 400, 0},
                                             {640, 480, 0},
                                             {800, 600, 0},
                                             {1024, 768, 0},
                                             {1280, 960, 0},
                                             {1280, 1024, 0},
                                             {1600, 1200, 0},
                                             {1680, 1050, 0},
                                             {1280, 720, 0},
                                             {1920, 1080, 0}}};
int32_t joystick_count = 0;
std::unique_ptr<t_dictionary> dictionary;
t_mouse mouse;
std::array<int32_t, 4> match_lengths{3, 5, 7, 10};
t_settings settings;
std::vector<std::string> audio_drivers_list;
t_keycode_table keycodes;
t_bank highlights_bank;
int32_t highlights_count = 0;
int32_t replay_frame = 0;
std::unique_ptr<t_backgrounds> backgrounds;
int32_t fade_level = 0;
float music_level = 0;
int32_t music_muted = 0;
t_image_ref font_10;
t_image_ref font_14;
t_image_ref arrow_image;
int32_t screen_w = 1024;
int32_t screen_h = 768;
