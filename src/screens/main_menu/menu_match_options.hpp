#pragma once
// The match options: length, weather, replays, display size, sound and commentary.
#include "core/game_mode.hpp"
#include "screens/main_menu/settings_on_leave.hpp"
#include "ui/menu_toolkit.hpp"

// Match length, weather, replays, display size, sound effects, commentary, gameplay, the computer's level,
// auto switch and the friendly shoot-out; leaving it saves the settings.
class MenuMatchOptions : public t_game_mode {
public:
    MenuMatchOptions();

    void bc_match_length(int step);
    void bc_weather_effects(int step);
    void bc_auto_replays();
    void bc_resolution(int step);
    void bc_sound_effects(int step);
    void bc_commentary();
    void bc_gameplay();
    void bc_computer(int step);
    void bc_auto_switch();
    void bc_friendly_shootout();

    void update_match_length_button();
    void update_weather_effects_button();
    void update_auto_replays_button();
    void update_resolution_button();
    void update_sound_effects_button();
    void update_commentary_button();
    void update_gameplay_button();
    void update_computer_button();
    void update_auto_switch_button();
    void update_friendly_shootout_button();

    t_button_ref w_match_length;
    t_button_ref w_weather_effects;
    t_button_ref w_auto_replays;
    t_button_ref w_resolution;
    t_button_ref w_sound_effects;
    t_button_ref w_commentary;
    t_button_ref w_gameplay;
    t_button_ref w_computer;
    t_button_ref w_auto_switch;
    t_button_ref w_friendly_shootout;

private:
    t_settings_saved_on_leave save_on_leave_;
};
