#include "match/bench/bench_panel.hpp"

#include <cmath>
#include <cstdlib>

#include "core/fonts.hpp"
#include "core/globals.hpp"
#include "core/loaders.hpp"
#include "core/text.hpp"
#include "football/player.hpp"
#include "match/overlays/box_frame.hpp"
#include "platform/graphics.hpp"

namespace {
constexpr int SHADOW_GREEN = 0x001900; // green 0.1 x 255
constexpr int WHITE = 0xFFFFFF;
constexpr int SHADOW_OFFSET = 2;
constexpr float ROW_FILL_ALPHA = 0.5f;
constexpr int NUMBER_X = 25;
constexpr int NAME_X = 45;
constexpr int ROLE_X = 230;
constexpr int TEXT_DY = 2;
constexpr int LEFT = 1;
constexpr int CENTRED = 0;
} // namespace

double pulse_weight(long ms) {
    const double phase = std::fmod(0.2 * std::fabs(static_cast<double>(ms)), 120.0);
    return (20 + std::fabs(phase - 60)) / 100;
}

int mix_colour(int base, int target, double weight) {
    int out = 0;
    for (const int shift : {16, 8, 0}) {
        const int b = (base >> shift) & 255;
        const int t = (target >> shift) & 255;
        out |= static_cast<int>(b + (t - b) * weight) << shift;
    }
    return out;
}

int pulse_colour(int base, int target, long ms) { return mix_colour(base, target, pulse_weight(ms)); }

void draw_panel_box(int x, int y, int w, int h) {
    set_color_faded(SHADOW_GREEN, fade_level);
    draw_box_frame(x + SHADOW_OFFSET, y + SHADOW_OFFSET, w, h);
    set_color_faded(WHITE, fade_level);
    draw_box_frame(x, y, w, h);
}

void fill_panel_row(int x, int y, int w, int h, int rgb) {
    const int blend = get_blend();
    const float alpha = get_alpha();
    set_blend(ALPHA_BLEND);
    set_alpha(ROW_FILL_ALPHA);
    set_color_faded(rgb, fade_level);
    draw_rect(static_cast<float>(x), static_cast<float>(y), static_cast<float>(w), static_cast<float>(h));
    set_alpha(alpha);
    set_blend(blend);
}

std::string bench_name(const t_player& p) {
    if (p.name.empty()) return p.surname;
    if (p.surname.empty()) return p.name;
    const std::vector<uint32_t> letters = decode_utf8(p.name);
    return encode_utf8(letters.front()) + ". " + p.surname;
}

void draw_panel_text(const std::string& text, int x, int y, int align) {
    set_color(fade_level, fade_level, fade_level);
    draw_text_10(text, static_cast<float>(x), static_cast<float>(y), font_10, align);
}

void draw_player_row(const t_player& p, int x0, int y) {
    draw_panel_text(std::to_string(p.nr), x0 + NUMBER_X, y + TEXT_DY, CENTRED);
    draw_panel_text(bench_name(p), x0 + NAME_X, y + TEXT_DY, LEFT);
    const auto role = static_cast<size_t>(p.pt);
    if (role < position_codes.size()) draw_panel_text(position_codes[role], x0 + ROLE_X, y + TEXT_DY, CENTRED);
}

void draw_panel_picture(t_image_ref& picture, int source_x, int x, int y) {
    if (!picture) picture = load_image_from("images", "tactics.png");
    set_color(fade_level, fade_level, fade_level);
    draw_image_rect(picture, static_cast<float>(x), static_cast<float>(y), PANEL_PICTURE_W, PANEL_PICTURE_H,
                    static_cast<float>(source_x), 0, PANEL_PICTURE_W, PANEL_PICTURE_H);
}
