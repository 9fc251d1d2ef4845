// The particles are generated afresh every frame from a fixed seed, for one
// 256 x 512 tile repeated over the whole picture; wrapping inside the tile
// makes the motion seamless.
#include "match/draw/match_weather.hpp"

#include <cmath>
#include <cstdint>

#include "core/globals.hpp"
#include "core/loaders.hpp"
#include "core/settings.hpp"
#include "match/draw/grass.hpp"
#include "match/draw/match_images.hpp"
#include "match/core/match_state.hpp"
#include "platform/graphics.hpp"
#include "platform/maths.hpp"

namespace {
constexpr int TILE_W = 256;
constexpr int TILE_H = 512;
constexpr int FIRST_TILE = -1;
constexpr int LAST_COLUMN = 6;
constexpr int LAST_ROW = 3;
constexpr int RAIN_DROPS_PER_LEVEL = 40;
constexpr int SNOW_FLAKES_PER_LEVEL = 30;
constexpr int RAIN_CELL = 30;
constexpr int SNOW_CELL = 3;
constexpr float RAIN_ALPHA = 0.6f;
constexpr float SNOW_ALPHA = 0.7f;
constexpr float FOG_ALPHA_PER_LEVEL = 0.25f;

// Its own generator, so that reseeding per frame leaves the match's random numbers alone.
class t_particle_random {
public:
    explicit t_particle_random(uint32_t seed) : state_(seed) {}
    int next(int low, int high) {
        state_ = state_ * 1664525u + 1013904223u;
        const uint32_t span = static_cast<uint32_t>(high - low + 1);
        return low + static_cast<int>((state_ >> 8) % span);
    }

private:
    uint32_t state_;
};

int wrap(int v, int m) { return ((v % m) + m) % m; }

float world_x(double picture_x) { return static_cast<float>(picture_x - PITCH_ORIGIN_X); }
float world_y(double picture_y) { return static_cast<float>(picture_y - PITCH_ORIGIN_Y); }

void draw_rain(int f, int n) {
    const t_image_ref& sheet = match_images.rain;
    if (!sheet) return;
    set_alpha(RAIN_ALPHA);
    t_particle_random r(1);
    const int drift = static_cast<int>(round_half_away(f / 12.0));
    const int fall = 4 * (f / 12);
    for (int k = 0; k < RAIN_DROPS_PER_LEVEL * n; ++k) {
        const int x0 = r.next(0, 255);
        const int y0 = r.next(0, 511);
        const int p = (r.next(0, 511) + f) % 512;
        if (p <= 0.3 * 512) continue;
        const int cell = p > 0.9 * 512 ? 3 : p * 3 / 512;
        const int px = wrap(x0 + 256 - drift, TILE_W);
        const int py = wrap(y0 + fall, TILE_H);
        for (int c = FIRST_TILE; c <= LAST_COLUMN; ++c)
            for (int row = FIRST_TILE; row <= LAST_ROW; ++row)
                draw_subimage_if_visible(sheet, world_x(px + TILE_W * c), world_y(py + TILE_H * row), RAIN_CELL,
                                         RAIN_CELL, static_cast<float>(cell * RAIN_CELL), 0, RAIN_CELL, RAIN_CELL);
    }
}

void draw_snow(int f, int n) {
    const t_image_ref& sheet = match_images.snow;
    if (!sheet) return;
    set_alpha(SNOW_ALPHA);
    t_particle_random r(1);
    const int fall = 2 * (f / 12);
    for (int k = 1; k <= SNOW_FLAKES_PER_LEVEL * n; ++k) {
        const int x0 = r.next(0, 255);
        const int y0 = r.next(0, 511);
        r.next(0, 511);
        const int cell = k % 3;
        const int q = r.next(0, 359);
        const double px = std::fmod(x0 + 256 + 30 * sin_deg(f * 360.0 / REPLAY_FRAMES + q), 256.0);
        const int py = wrap(y0 + fall, TILE_H);
        for (int c = FIRST_TILE; c <= LAST_COLUMN; ++c)
            for (int row = FIRST_TILE; row <= LAST_ROW; ++row) {
                r.next(0, 2);
                const auto picture_x = static_cast<int>(px + TILE_W * c);
                draw_subimage_if_visible(sheet, world_x(picture_x), world_y(py + TILE_H * row), SNOW_CELL, SNOW_CELL,
                                         static_cast<float>(cell * SNOW_CELL), 0, SNOW_CELL, SNOW_CELL);
            }
    }
}

void draw_fog(int f, int n) {
    const t_image_ref& fog = match_images.fog;
    if (!fog) return;
    const int fw = fog->width();
    const int fh = fog->height();
    if (fw <= 0 || fh <= 0) return;
    set_alpha(FOG_ALPHA_PER_LEVEL * static_cast<float>(n));
    const int cx = replay_camera_x[static_cast<size_t>(f)];
    const int cy = replay_camera_y[static_cast<size_t>(f)];
    const int x0 = cx + wrap(wrap(PITCH_ORIGIN_X - cx, fw) + 2 * fw, fw) - 2 * fw - PITCH_ORIGIN_X;
    const int y0 = cy + wrap(wrap(PITCH_ORIGIN_Y - cy, fh) + 2 * fh, fh) - 2 * fh - PITCH_ORIGIN_Y;
    const int dx = (f / 12) % fw;
    const int dy = (2 * f / 12) % fh;
    for (int x = x0; x < x0 + screen_w + 2 * fw; x += fw)
        for (int y = y0; y < y0 + screen_h + 2 * fh; y += fh)
            draw_image_if_visible(fog, static_cast<float>(x + dx), static_cast<float>(y + dy));
}
} // namespace

void draw_weather(int f) {
    const int n = match_settings.weather_intensity;
    if (n <= 0) return;
    set_blend(ALPHA_BLEND);
    switch (match_settings.weather_effect) {
    case WEATHER_RAIN: draw_rain(f, n); break;
    case WEATHER_SNOW: draw_snow(f, n); break;
    case WEATHER_FOG: draw_fog(f, n); break;
    default: break;
    }
    set_blend(MASK_BLEND);
    set_alpha(1);
}
