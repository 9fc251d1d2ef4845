#pragma once
// The display and all drawing: window, modes, colours, images, shapes and frames.
#include <string>

#include "platform/image.hpp"
#include "platform/pixmap.hpp"

// Blend modes.
constexpr int MASK_BLEND = 1;
constexpr int SOLID_BLEND = 2;
constexpr int ALPHA_BLEND = 3;
constexpr int LIGHT_BLEND = 4;
constexpr int SHADE_BLEND = 5;

// The game draws on a logical display of the size it opened (1024 x 768 for
// the menus, the chosen resolution for a match); it is presented scaled into
// the window with its aspect kept. Reopening at another size resizes the one
// window and keeps the GL context, so textures survive.
void set_window_title(const std::string& title);
// Window options chosen on the command line override the settings file.
enum class t_window_choice { from_settings, windowed, full_screen };
void set_window_choice(t_window_choice choice);
// Headless runs (matches without a window): no display is opened, opening "succeeds" and nothing is drawn.
void set_headless_graphics(bool headless);
bool graphics_mode_exists(int width, int height, int depth, int hz);
bool open_graphics(int width, int height, int depth, int hz, int flags = 0);
void close_graphics();
void shutdown_graphics();
bool graphics_open();
int graphics_width();
int graphics_height();
void flip(int sync = -1);
void cls();
void set_cls_color(int r, int g, int b);
void hide_mouse();
bool app_terminate();
// Maps window pixels to logical pixels (letterbox).
void window_to_logical(int wx, int wy, int& lx, int& ly);

void set_color(int r, int g, int b);
void get_color(int& r, int& g, int& b);
void set_alpha(float a);
float get_alpha();
void set_blend(int mode);
int get_blend();
void set_origin(float x, float y);
void get_origin(float& x, float& y);

void plot(float x, float y);
void draw_line(float x1, float y1, float x2, float y2, bool last_pixel = true);
void draw_rect(float x, float y, float w, float h);
void draw_oval(float x, float y, float w, float h);
void draw_image(const t_image_ref& image, float x, float y, int frame = 0);
void draw_image_rect(const t_image_ref& image, float x, float y, float w, float h, float sx, float sy, float sw,
                     float sh, int frame = 0);
// The built-in fixed-width font (8 x 12 cells).
void draw_text(const std::string& text, float x, float y);
int platform_text_width(const std::string& text);

// The frame drawn so far, in logical pixels (for screenshots).
t_pixmap grab_frame();
// Frames presented since the display first opened.
long presented_frames();
// When set, flip() does not wait for the refresh interval (tests, benchmarks).
void set_unpaced(bool unpaced);
bool unpaced();
// Fatal errors show a message box once the window is open, unless a script drives the game (nobody to click it).
void set_message_boxes(bool enabled);
