// How each kind of sprite paints itself from the recording.
#include <cmath>

#include "core/globals.hpp"
#include "core/loaders.hpp"
#include "football/colour_hair_table.hpp"
#include "football/player.hpp"
#include "match/draw/match_images.hpp"
#include "match/core/match_state.hpp"
#include "match/draw/sprite_frames_extra.hpp"
#include "match/enhanced/referee.hpp"

namespace {
constexpr int BODY_CELL = 32;
constexpr int KEEPER_CELL = 50;
constexpr int HAIR_CELL = 20;
constexpr int HAIR_PITCH = 21;
constexpr int BALL_CELL = 8;
constexpr int COACH_CELL = 29;
constexpr int FLAG_CELL_W = 36;
constexpr int FLAG_CELL_H = 30;

bool recorded(const t_recording& data, int f) { return f >= 0 && static_cast<size_t>(f) < data.size(); }

float fl(double v) { return static_cast<float>(v); }
} // namespace

void t_sprite::draw(int /*f*/) const { draw_image_if_visible(image, fl(x), fl(y - z - offset)); }

int t_sprite::get_y(int /*f*/) const { return y; }

void t_player::draw(int f) const {
    if (!recorded(data, f) || !image) return;
    const t_data& d = data[static_cast<size_t>(f)];
    const bool keeper = is_goalkeeper();
    const int cell = keeper ? KEEPER_CELL : BODY_CELL;
    const float bx = d.x - (keeper ? 24.0f : 15.0f);
    const float by = d.y - d.z - (keeper ? 34.0f : 25.0f);
    const auto cw = static_cast<float>(cell);
    draw_subimage_if_visible(image, bx, by, cw, cw, static_cast<float>((d.fmx & 7) * cell), static_cast<float>(d.fmy * cell),
                             cw, cw);
    if (!hair) return;
    const int column = (d.fmx & 7) + (keeper ? 8 : 0);
    if (d.fmy < 0 || d.fmy >= static_cast<int>(hair_table[0].size())) return;
    const t_hair_cell& h = hair_table[static_cast<size_t>(column)][static_cast<size_t>(d.fmy)];
    if (h.dx == 0 && h.dy == 0) return;
    const float hx = keeper ? bx + static_cast<float>(h.dx) : bx - 9 + static_cast<float>(h.dx);
    const float hy = keeper ? by + static_cast<float>(h.dy) : by - 9 + static_cast<float>(h.dy);
    const auto hair_size = static_cast<float>(HAIR_CELL);
    draw_subimage_if_visible(hair, hx, hy, hair_size, hair_size, static_cast<float>(HAIR_PITCH * h.column),
                             static_cast<float>(HAIR_PITCH * h.row), hair_size, hair_size);
}

int t_player::get_y(int f) const {
    return recorded(data, f) ? static_cast<int>(data[static_cast<size_t>(f)].y) : static_cast<int>(y);
}

void t_player::draw_number() const {
    const t_image_ref& digits = match_images.number;
    if (!digits || !recorded(data, replay_frame)) return;
    const t_data& d = data[static_cast<size_t>(replay_frame)];
    const int u = nr % 10;
    const int t = (nr - u) / 10 % 10;
    const auto bx = static_cast<int>(d.x + 1);
    const auto by = static_cast<int>(d.y - 40 - d.z);
    const auto digit = [&](int value, int px) {
        draw_subimage_if_visible(digits, static_cast<float>(px), static_cast<float>(by), 8, 10,
                                 static_cast<float>(8 * value), 0, 8, 10);
    };
    if (t == 0) {
        digit(u, bx - (u == 1 ? 2 : 3));
        return;
    }
    const int tens_w = t == 1 ? 4 : 6;
    const int total = tens_w + (u == 1 ? 6 : 8);
    const int start = bx - total / 2;
    digit(t, start);
    digit(u, start + tens_w + 2);
}

void t_referee::draw(int f) const {
    if (!recorded(data, f) || !match_images.referee) return;
    const t_data& d = data[static_cast<size_t>(f)];
    const auto cell = static_cast<float>(REFEREE_CELL);
    draw_subimage_if_visible(match_images.referee, d.x - REFEREE_FEET_X, d.y - d.z - REFEREE_FEET_Y, cell, cell,
                             static_cast<float>((d.fmx & 7) * REFEREE_CELL), static_cast<float>(d.fmy * REFEREE_CELL), cell,
                             cell);
}

void t_ball::draw(int frame_index) const {
    if (!recorded(data, frame_index)) return;
    const t_data& d = data[static_cast<size_t>(frame_index)];
    const auto c = static_cast<float>(BALL_CELL);
    draw_subimage_if_visible(match_images.ball, d.x - 3, d.y - d.z - 6, c, c, static_cast<float>(d.fmx * BALL_CELL), 0,
                             c, c);
}

int t_ball::get_y(int frame_index) const {
    return recorded(data, frame_index) ? static_cast<int>(data[static_cast<size_t>(frame_index)].y)
                                       : static_cast<int>(y);
}

void t_coach::draw(int /*f*/) const {
    const auto c = static_cast<float>(COACH_CELL);
    draw_subimage_if_visible(image, fl(x - 13), fl(y - 25), c, c, static_cast<float>(fmx * COACH_CELL),
                             static_cast<float>(fmy * COACH_CELL), c, c);
}

void t_flagpost::draw(int f) const {
    const int column = wind.speed == 0 ? 0 : 2 * wind.dir + 1 + ((f >> (4 - wind.speed)) % 2);
    draw_subimage_if_visible(match_images.flag, fl(x - 18), fl(y - 28), FLAG_CELL_W, FLAG_CELL_H,
                             static_cast<float>(column * FLAG_CELL_W), 0, FLAG_CELL_W, FLAG_CELL_H);
}
