#include "screens/tactics_editor/piece.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/globals.hpp"
#include "core/mouse.hpp"
#include "football/colour_hair_table.hpp"
#include "platform/graphics.hpp"
#include "platform/input.hpp"
#include "platform/timer.hpp"
#include "ui/menu_input.hpp"
#include "ui/widget_drawing.hpp"

namespace {
constexpr int FACING_DOWN = 2;
constexpr int STANDING = 1;
constexpr int KEY_REPEAT = 4;

bool direction_held(int dx, int dy) {
    if (dx < 0 && key_down(KEY_LEFT)) return true;
    if (dx > 0 && key_down(KEY_RIGHT)) return true;
    if (dy < 0 && key_down(KEY_UP)) return true;
    if (dy > 0 && key_down(KEY_DOWN)) return true;
    // Both key sets and both joysticks move a piece as they move the selection.
    for (int dev = 1; dev <= 4; ++dev) {
        if (dx != 0 && device_x(dev) == dx) return true;
        if (dy != 0 && device_y(dev) == dy) return true;
    }
    return false;
}

void outline(int x, int y, int w, int h) {
    const auto fx = static_cast<float>(x), fy = static_cast<float>(y);
    const auto fw = static_cast<float>(w), fh = static_cast<float>(h);
    draw_rect(fx, fy, fw, 1);
    draw_rect(fx, fy + fh - 1, fw, 1);
    draw_rect(fx, fy, 1, fh);
    draw_rect(fx + fw - 1, fy, 1, fh);
}
} // namespace

int piece_border_level(long ms) {
    const double t = std::fmod(0.8 * std::fabs(static_cast<double>(ms)), 328.0);
    return static_cast<int>(std::fabs(t - 164.0) + 36.0);
}

void t_piece::set_square(int x_, int y_) {
    square = {x_, y_};
    update_position();
}

void t_piece::set_grid_geometry(int x_, int y_, int w_, int h_) {
    grid_x = x_;
    grid_y = y_;
    grid_w = w_;
    grid_h = h_;
    update_position();
}

void t_piece::set_ranges(int xmin_, int xmax_, int ymin_, int ymax_) {
    xmin = xmin_;
    xmax = xmax_;
    ymin = ymin_;
    ymax = ymax_;
    update_position();
}

void t_piece::update_position() {
    if (xmax != xmin) x = grid_x + square.x * grid_w / (xmax - xmin);
    if (ymax != ymin) y = grid_y + square.y * grid_h / (ymax - ymin);
}

bool t_piece::step(int dx, int dy) {
    if (key_wait != 0 || !direction_held(dx, dy)) return false;
    const int nx = square.x + dx, ny = square.y + dy;
    if (nx < xmin || nx > xmax || ny < ymin || ny > ymax) return false;
    square = {nx, ny};
    key_wait = KEY_REPEAT;
    return true;
}

void t_piece::update() {
    if (entry_mode == 0) return;
    if (key_wait > 0) --key_wait;
    bool moved = false;
    moved |= step(0, -1);
    moved |= step(0, 1);
    moved |= step(-1, 0);
    moved |= step(1, 0);
    // A picked-up piece follows the pointer to the cell under it.
    if (settings.mouse_enabled != 0 && mouse.moved == 1 && xmax != xmin && ymax != ymin && grid_w > 0 && grid_h > 0) {
        const double cx = static_cast<double>(mouse.x0 - grid_x - w / 2) * (xmax - xmin) / grid_w;
        const double cy = static_cast<double>(mouse.y0 - grid_y - h / 2) * (ymax - ymin) / grid_h;
        const int nx = std::clamp(static_cast<int>(std::lround(cx)), xmin, xmax);
        const int ny = std::clamp(static_cast<int>(std::lround(cy)), ymin, ymax);
        if (nx != square.x || ny != square.y) {
            square = {nx, ny};
            moved = true;
        }
    }
    if (moved) {
        update_position();
        set_changed(1);
    }
}

void t_piece::draw_animated_border() {
    if (entry_mode != 0) {
        set_widget_color(0xC8C800);
    } else {
        const int e = piece_border_level(millisecs());
        set_widget_color((e << 16) | (e << 8) | e);
    }
    outline(x, y, w, h);
    set_widget_color(0xFFFFFF);
}

void t_ball_piece::draw_image() {
    if (!img_ball) return;
    set_widget_color(0xFFFFFF);
    const float cx = static_cast<float>(x) + 0.5f * static_cast<float>(w);
    draw_image_rect(img_ball, cx - 2, static_cast<float>(y + 1), 8, 8, 32, 0, 8, 8);
    draw_image_rect(img_ball, cx - 4, static_cast<float>(y - 1), 8, 8, 0, 0, 8, 8);
}

void t_player_piece::draw_image() {
    set_widget_color(0xFFFFFF);
    if (!player || !img_body) {
        if (img_pieces) draw_image_rect(img_pieces, static_cast<float>(x + 2), static_cast<float>(y), 20, 14, 0, 14, 20, 14);
        return;
    }
    const int px = x + w / 2 - 1, py = y + h / 2;
    const bool keeper = player->is_goalkeeper();
    if (img_shadow)
        draw_image_rect(img_shadow, static_cast<float>(px - 24), static_cast<float>(py - 34), 50, 50,
                        50.0f * FACING_DOWN, 50.0f * STANDING, 50, 50);
    const t_hair_cell hair = hair_table[static_cast<size_t>(FACING_DOWN + (keeper ? 8 : 0))][STANDING];
    if (keeper) {
        draw_image_rect(img_body, static_cast<float>(px - 24), static_cast<float>(py - 34), 50, 50,
                        50.0f * FACING_DOWN, 50.0f * STANDING, 50, 50);
        if (img_hair && (hair.dx != 0 || hair.dy != 0))
            draw_image_rect(img_hair, static_cast<float>(px - 24 + hair.dx), static_cast<float>(py - 34 + hair.dy), 20,
                            20, 21.0f * static_cast<float>(hair.column), 21.0f * static_cast<float>(hair.row), 20, 20);
    } else {
        draw_image_rect(img_body, static_cast<float>(px - 15), static_cast<float>(py - 25), 32, 32,
                        32.0f * FACING_DOWN, 32.0f * STANDING, 32, 32);
        if (img_hair && (hair.dx != 0 || hair.dy != 0))
            draw_image_rect(img_hair, static_cast<float>(px - 24 + hair.dx), static_cast<float>(py - 34 + hair.dy), 20,
                            20, 21.0f * static_cast<float>(hair.column), 21.0f * static_cast<float>(hair.row), 20, 20);
    }
    if (!img_number) return;
    // The shirt number, centred above the head.
    const int nr = player->nr;
    const std::string digits = std::to_string(nr);
    const int width = 6 * static_cast<int>(digits.size());
    int dx = px - width / 2;
    for (const char c : digits) {
        draw_image_rect(img_number, static_cast<float>(dx), static_cast<float>(py - 32), 8, 10,
                        8.0f * static_cast<float>(c - '0'), 0, 8, 10);
        dx += 6;
    }
}
