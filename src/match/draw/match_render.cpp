// One frame of the match picture, read from the recording at replay_frame,
// so live play and replays share it.
#include <algorithm>
#include <cmath>
#include <string>

#include "core/fonts.hpp"
#include "core/globals.hpp"
#include "core/loaders.hpp"
#include "match/draw/camera.hpp"
#include "match/draw/grass.hpp"
#include "match/draw/match_images.hpp"
#include "match/core/match_mode.hpp"
#include "match/overlays/match_overlays.hpp"
#include "match/core/match_state.hpp"
#include "match/enhanced/referee.hpp"
#include "match/draw/match_weather.hpp"
#include "platform/graphics.hpp"

namespace {
constexpr float DAY_SHADOW_ALPHA = 0.75f;
constexpr float NIGHT_SHADOW_ALPHA = 0.3f;
constexpr double SHADOW_X_PER_Z = 0.65;
constexpr double SHADOW_Y_PER_Z = 0.46;
constexpr int SHADOW_CELL = 50;
constexpr int BALL_CELL = 8;
constexpr int BALL_SHADOW_COLUMN = 4;
constexpr int JUMPER_TOP_Y = -724;
constexpr int JUMPER_BOTTOM_Y = 644;
constexpr double BEHIND_NET_DEPTH_SCALE = 1.5;

bool night() { return match_settings.time == TIME_NIGHT; }

float fl(double v) { return static_cast<float>(v); }

// A display wider than the stadium picture sees past its sides: the outer strip of stands is drawn on there.
void draw_stands_beyond_the_picture() {
    const int margin = (screen_w - CAMERA_PICTURE_W) / 2 + 1;
    if (margin <= 1) return;
    const int last = PITCH_TILE_ROWS - 1;
    const int right_sx = CAMERA_PICTURE_W - PITCH_TILE * last - margin;
    const auto m = static_cast<float>(margin);
    const auto tile = static_cast<float>(PITCH_TILE);
    for (int r = 0; r < PITCH_TILE_ROWS; ++r) {
        const auto y = static_cast<float>(PITCH_TILE * r - PITCH_ORIGIN_Y);
        const auto row = static_cast<size_t>(r);
        draw_subimage_if_visible(pitch_tiles[row][0], static_cast<float>(-margin - PITCH_ORIGIN_X), y, m, tile, 0, 0,
                                 m, tile);
        draw_subimage_if_visible(pitch_tiles[row][static_cast<size_t>(last)],
                                 static_cast<float>(CAMERA_PICTURE_W - PITCH_ORIGIN_X), y, m, tile,
                                 static_cast<float>(right_sx), 0, m, tile);
    }
}

void draw_pitch() {
    for (int r = 0; r < PITCH_TILE_ROWS; ++r)
        for (int c = 0; c < PITCH_TILE_ROWS; ++c)
            draw_image_if_visible(pitch_tiles[static_cast<size_t>(r)][static_cast<size_t>(c)],
                                  static_cast<float>(PITCH_TILE * c - PITCH_ORIGIN_X),
                                  static_cast<float>(PITCH_TILE * r - PITCH_ORIGIN_Y));
    draw_stands_beyond_the_picture();
}

void draw_crowd() {
    for (const t_crowd& c : crowd) {
        if (c.rank > crowd_level || c.typ < 0 || c.typ >= CROWD_PIECES) continue;
        draw_image_if_visible(match_images.crowd_pieces[static_cast<size_t>(c.typ)],
                              static_cast<float>(c.x - PITCH_ORIGIN_X), static_cast<float>(c.y - PITCH_ORIGIN_Y));
    }
}

// Sheet 0 falls to the lower right; at night 1, 2, 3 fall lower left, upper left, upper right.
double shadow_dx(int sheet, double z) { return sheet == 0 || sheet == 3 ? SHADOW_X_PER_Z * z : -SHADOW_X_PER_Z * z; }
double shadow_dy(int sheet, double z) { return sheet <= 1 ? SHADOW_Y_PER_Z * z : -SHADOW_Y_PER_Z * z; }

void draw_ball_shadows(int f) {
    const t_data& d = ball.data[static_cast<size_t>(f)];
    const t_image_ref& img = match_images.ball;
    const auto cell = static_cast<float>(BALL_CELL);
    const auto shadow = [&](double x, double y) {
        draw_subimage_if_visible(img, fl(x), fl(y), cell, cell, BALL_SHADOW_COLUMN * cell, 0, cell, cell);
    };
    shadow(d.x - 1 + SHADOW_X_PER_Z * d.z, d.y - 3 + SHADOW_Y_PER_Z * d.z);
    if (!night()) return;
    shadow(d.x - 5 - SHADOW_X_PER_Z * d.z, d.y - 3 + SHADOW_Y_PER_Z * d.z);
    shadow(d.x - 5 - SHADOW_X_PER_Z * d.z, d.y - 7 - SHADOW_Y_PER_Z * d.z);
    shadow(d.x - 1 + SHADOW_X_PER_Z * d.z, d.y - 7 - SHADOW_Y_PER_Z * d.z);
}

void draw_player_shadows(int f) {
    const int sheets = night() ? SHADOW_SHEETS : 1;
    const auto cell = static_cast<float>(SHADOW_CELL);
    for (size_t t = 0; t < 2; ++t)
        for (size_t slot = 1; slot < match_players[t].size(); ++slot) {
            const t_player& p = *match_players[t][slot];
            if (p.data.size() != REPLAY_FRAMES) continue;
            const t_data& d = p.data[static_cast<size_t>(f)];
            const auto& set = p.is_goalkeeper() ? match_images.keeper_shadows : match_images.player_shadows;
            for (int s = 0; s < sheets; ++s)
                draw_subimage_if_visible(set[static_cast<size_t>(s)], fl(d.x - 24 + shadow_dx(s, d.z)),
                                         fl(d.y - 34 + shadow_dy(s, d.z)), cell, cell,
                                         static_cast<float>((d.fmx & 7) * SHADOW_CELL),
                                         static_cast<float>(d.fmy * SHADOW_CELL), cell, cell);
        }
    if (!referee.on_pitch || static_cast<size_t>(f) >= referee.data.size()) return;
    const t_data& d = referee.data[static_cast<size_t>(f)];
    for (int s = 0; s < sheets; ++s)
        draw_subimage_if_visible(match_images.referee_shadows[static_cast<size_t>(s)], fl(d.x - 24 + shadow_dx(s, d.z)),
                                 fl(d.y - 34 + shadow_dy(s, d.z)), cell, cell,
                                 static_cast<float>((d.fmx & 7) * SHADOW_CELL), static_cast<float>(d.fmy * SHADOW_CELL),
                                 cell, cell);
}

void draw_sorted_sprites(int f) {
    std::vector<std::pair<int, const t_sprite*>> order;
    order.reserve(sprites.size());
    for (const t_sprite* s : sprites) order.emplace_back(s->get_y(f), s);
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [key, s] : order) s->draw(f);
}

void draw_jumper_pair(int y) {
    draw_image_if_visible(match_images.jumper, static_cast<float>(-92), static_cast<float>(y));
    draw_image_if_visible(match_images.jumper, static_cast<float>(92), static_cast<float>(y));
}

void draw_debug_lines() {
    const auto keeper_tx = [](size_t t) {
        return match_players[t].size() > 1 ? std::to_string(match_players[t][1]->tx) : std::string("-");
    };
    draw_text_10("player[HOME,1].tx: " + keeper_tx(0), 100, 52, font_10, 1);
    draw_text_10("player[AWAY,1].tx: " + keeper_tx(1), 100, 64, font_10, 1);
    draw_text_10("ball.v  " + std::to_string(ball.v), 100, 76, font_10, 1);
}
} // namespace

void t_match_mode::render() {
    const int f = replay_frame;
    if (ball.data.size() != REPLAY_FRAMES) return;
    const t_data& b = ball.data[static_cast<size_t>(f)];
    set_color(fade_level, fade_level, fade_level);
    set_blend(MASK_BLEND);
    set_alpha(1);
    set_origin(static_cast<float>(PITCH_ORIGIN_X - replay_camera_x[static_cast<size_t>(f)]),
               static_cast<float>(PITCH_ORIGIN_Y - replay_camera_y[static_cast<size_t>(f)]));
    // The pitch covers the whole view and has no holes: drawn opaque, it is the cheapest fill of the frame.
    set_blend(SOLID_BLEND);
    draw_pitch();
    set_blend(MASK_BLEND);
    draw_crowd();

    set_blend(ALPHA_BLEND);
    set_alpha(night() ? NIGHT_SHADOW_ALPHA : DAY_SHADOW_ALPHA);
    draw_ball_shadows(f);
    draw_player_shadows(f);
    set_blend(MASK_BLEND);
    set_alpha(1);

    // The stanchions behind each goal hide a ball behind them; a ball in front of them hides them.
    const bool ball_behind_top = b.y < -JUMPER_Y;
    const bool ball_behind_bottom = b.y < JUMPER_Y;
    if (!ball_behind_top) draw_jumper_pair(JUMPER_TOP_Y);
    if (!ball_behind_bottom) draw_jumper_pair(JUMPER_BOTTOM_Y);
    draw_sorted_sprites(f);
    draw_image_if_visible(match_images.goal_bottom, BOTTOM_GOAL_X, BOTTOM_GOAL_Y);
    if (b.y > GOAL_LINE_Y && std::hypot(BEHIND_NET_DEPTH_SCALE * (b.y - GOAL_LINE_Y), b.z) > NET_RADIUS) ball.draw(f);
    if (ball_behind_top) draw_jumper_pair(JUMPER_TOP_Y);
    if (ball_behind_bottom) draw_jumper_pair(JUMPER_BOTTOM_Y);

    draw_weather(f);

    if (display_controlled_player != 0)
        for (const t_team_ref& t : match_teams)
            if (t && t->controlled) t->controlled->draw_number();

    set_origin(0, 0);
    draw_match_overlays(*this);
    if (match_debug) draw_debug_lines();
}
