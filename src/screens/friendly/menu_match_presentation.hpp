#pragma once
// The match presentation: time of day, pitch, weather and kits before kick-off.
#include <array>

#include "core/game_mode.hpp"
#include "screens/friendly/presentation_weather.hpp"
#include "ui/menu_toolkit.hpp"
#include "ui/label.hpp"
#include "ui/picture.hpp"

// The last screen before kick-off: time of day, pitch, weather and the kits.
class MenuMatchPresentation : public t_game_mode {
public:
    static constexpr int RATING_BLOCKS = 5;

    MenuMatchPresentation();

    void bc_time(int step);
    void bc_pitch(int step);
    void bc_weather();
    void bc_team_kit(int team, int step);
    void bc_play();
    void bc_exit();

    void update_conditions();
    void update_kit(int team);
    t_weather weather() const { return {weather_effect, weather_intensity, sky}; }

    t_image_ref img_light;
    t_image_ref img_pitches;
    t_image_ref img_weather;
    int time = 0;
    int pitch_type = 0;
    int weather_effect = WEATHER_RANDOM;
    int weather_intensity = 0;
    int sky = 0;
    t_button_ref w_time;
    std::shared_ptr<t_label> w_time_label;
    t_button_ref w_pitch;
    std::shared_ptr<t_label> w_pitch_label;
    t_button_ref w_weather;
    std::shared_ptr<t_label> w_weather_label;
    std::array<std::array<t_button_ref, RATING_BLOCKS>, 2> w_block;
    std::array<std::shared_ptr<t_picture>, 2> w_image; // kit pictures

private:
    void add_team_panel(int team);
};

// How many of the five rating blocks are lit for a team rating (0 .. about 10).
int lit_rating_blocks(float rating);
