#pragma once
// A frame with nothing drawn but what a test puts in: black, no pitch, crowd or
// weather, no message, and the ball and every player parked far off the screen.
#include "core/globals.hpp"
#include "match/ball/ball.hpp"
#include "match/draw/grass.hpp"
#include "match/overlays/hud_message.hpp"
#include "match/draw/match_images.hpp"
#include "match/core/match_state.hpp"
#include "platform/graphics.hpp"

// Centre of the 1024x768 test display.
constexpr int CENTRE_X = 512;
constexpr int CENTRE_Y = 384;

inline void empty_pitch_frame() {
    set_cls_color(0, 0, 0);
    fade_level = 255;
    match_images = t_match_images{};
    for (auto& row : pitch_tiles)
        for (auto& tile : row) tile.reset();
    crowd.clear();
    sprites.clear();
    // An earlier test's one-line message would still be on the screen.
    hud_message.clear();
    match_settings.weather_effect = WEATHER_WIND;
    match_settings.weather_intensity = 0;
    ball.data.assign(REPLAY_FRAMES, t_data{});
    ball.data[0].x = 5000;
    replay_camera_x[0] = PITCH_ORIGIN_X - CENTRE_X;
    replay_camera_y[0] = PITCH_ORIGIN_Y - CENTRE_Y;
    for (const auto& squad : match_players)
        for (const auto& p : squad)
            if (p) p->data[0].x = 5000;
}
