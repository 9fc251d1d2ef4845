#include "platform/graphics.hpp"

#include <GL/gl.h>
#include <GL/glext.h>
#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/text.hpp"
#include "platform/fatal.hpp"
#include "platform/input.hpp"
#include "platform/timer.hpp"

namespace {
#include "platform/builtin_font_glyphs.inc"

struct t_vertex {
    float x, y, u, v;
    uint8_t r, g, b, a;
};

struct t_state {
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
    bool open = false;
    bool full_screen = false;
    int logical_w = 1024;
    int logical_h = 768;
    int hz = 0;
    GLuint fbo = 0;
    GLuint fbo_texture = 0;
    int fbo_w = 0;
    int fbo_h = 0;
    // The window size the game last asked for: a window of another size was resized by the player.
    int asked_w = 0;
    int asked_h = 0;
    std::string title = "Quilbo Rovudo";
    t_window_choice choice = t_window_choice::from_settings;
    bool unpaced = false;
    bool message_boxes = true;
    bool direct = false;
    long frames = 0;
    long last_flip_ms = 0;

    int r = 255, g = 255, b = 255;
    float alpha = 1.0f;
    int blend = MASK_BLEND;
    float origin_x = 0, origin_y = 0;
    float cls_r = 0, cls_g = 0, cls_b = 0;

    std::vector<t_vertex> batch;
    GLenum batch_primitive = GL_QUADS;
    GLuint batch_texture = 0;
    int applied_blend = -1;
    t_image_ref builtin_font;
    bool headless = false;
};

t_state gfx;

void show_fatal_box(const std::string& message) {
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, gfx.title.c_str(), message.c_str(), gfx.window);
}

void flush_batch() {
    if (gfx.batch.empty()) return;
    if (gfx.batch_texture != 0) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, gfx.batch_texture);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexCoordPointer(2, GL_FLOAT, sizeof(t_vertex), &gfx.batch[0].u);
    } else {
        glDisable(GL_TEXTURE_2D);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    }
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(2, GL_FLOAT, sizeof(t_vertex), &gfx.batch[0].x);
    glColorPointer(4, GL_UNSIGNED_BYTE, sizeof(t_vertex), &gfx.batch[0].r);
    glDrawArrays(gfx.batch_primitive, 0, static_cast<GLsizei>(gfx.batch.size()));
    gfx.batch.clear();
}

void apply_blend() {
    if (gfx.applied_blend == gfx.blend) return;
    flush_batch();
    gfx.applied_blend = gfx.blend;
    glDisable(GL_ALPHA_TEST);
    glDisable(GL_BLEND);
    switch (gfx.blend) {
    case MASK_BLEND:
        glEnable(GL_ALPHA_TEST);
        glAlphaFunc(GL_GEQUAL, 0.5f);
        break;
    case ALPHA_BLEND:
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        break;
    case LIGHT_BLEND:
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE);
        break;
    case SHADE_BLEND:
        glEnable(GL_BLEND);
        glBlendFunc(GL_DST_COLOR, GL_ZERO);
        break;
    default:
        break;
    }
}

void use(GLenum primitive, GLuint texture) {
    apply_blend();
    if (primitive != gfx.batch_primitive || texture != gfx.batch_texture || gfx.batch.size() > 60000) {
        flush_batch();
        gfx.batch_primitive = primitive;
        gfx.batch_texture = texture;
    }
}

t_vertex vertex(float x, float y, float u = 0, float v = 0) {
    return {x + gfx.origin_x, y + gfx.origin_y, u, v, static_cast<uint8_t>(gfx.r), static_cast<uint8_t>(gfx.g),
            static_cast<uint8_t>(gfx.b), static_cast<uint8_t>(std::clamp(gfx.alpha, 0.0f, 1.0f) * 255.0f + 0.5f)};
}

void make_target(int w, int h) {
    if (gfx.fbo == 0) {
        glGenFramebuffers(1, &gfx.fbo);
        glGenTextures(1, &gfx.fbo_texture);
    }
    glBindTexture(GL_TEXTURE_2D, gfx.fbo_texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glBindFramebuffer(GL_FRAMEBUFFER, gfx.fbo);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, gfx.fbo_texture, 0);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) runtime_error("Cannot create the drawing surface");
    gfx.fbo_w = w;
    gfx.fbo_h = h;
}

// When the window shows the logical display 1:1 the frame is drawn straight into the
// window's back buffer; otherwise into the off-screen target, scaled when presented.
bool draws_direct() {
    int ww = 0, wh = 0;
    SDL_GL_GetDrawableSize(gfx.window, &ww, &wh);
    return ww == gfx.logical_w && wh == gfx.logical_h;
}

void begin_logical_frame() {
    gfx.direct = draws_direct();
    glBindFramebuffer(GL_FRAMEBUFFER, gfx.direct ? 0 : gfx.fbo);
    glViewport(0, 0, gfx.logical_w, gfx.logical_h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, gfx.logical_w, gfx.logical_h, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gfx.applied_blend = -1;
}

SDL_Rect letterbox() {
    int ww = 0, wh = 0;
    SDL_GL_GetDrawableSize(gfx.window, &ww, &wh);
    const double scale = std::min(static_cast<double>(ww) / gfx.logical_w, static_cast<double>(wh) / gfx.logical_h);
    const int w = std::max(1, static_cast<int>(gfx.logical_w * scale));
    const int h = std::max(1, static_cast<int>(gfx.logical_h * scale));
    return {(ww - w) / 2, (wh - h) / 2, w, h};
}

void present() {
    flush_batch();
    if (gfx.direct) {
        SDL_GL_SwapWindow(gfx.window);
        begin_logical_frame();
        // The back buffer is undefined after a swap: every frame starts from black.
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        return;
    }
    const SDL_Rect box = letterbox();
    glBindFramebuffer(GL_READ_FRAMEBUFFER, gfx.fbo);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    int ww = 0, wh = 0;
    SDL_GL_GetDrawableSize(gfx.window, &ww, &wh);
    glViewport(0, 0, ww, wh);
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    const bool integral = box.w % gfx.logical_w == 0 && box.h % gfx.logical_h == 0;
    // Both the target and the window count rows from the bottom; the box is measured from the top.
    glBlitFramebuffer(0, 0, gfx.logical_w, gfx.logical_h, box.x, wh - box.y - box.h, box.x + box.w, wh - box.y,
                      GL_COLOR_BUFFER_BIT, integral ? GL_NEAREST : GL_LINEAR);
    SDL_GL_SwapWindow(gfx.window);
    begin_logical_frame();
}

t_image_ref builtin_font_image() {
    if (gfx.builtin_font) return gfx.builtin_font;
    t_pixmap sheet(16 * BUILTIN_GLYPH_W, 16 * BUILTIN_GLYPH_H, 0);
    for (int code = 0; code < 256; ++code)
        for (int row = 0; row < BUILTIN_GLYPH_H; ++row)
            for (int col = 0; col < BUILTIN_GLYPH_W; ++col)
                if ((BUILTIN_GLYPHS[code][row] & (0x80 >> col)) != 0)
                    sheet.write_pixel((code % 16) * BUILTIN_GLYPH_W + col, (code / 16) * BUILTIN_GLYPH_H + row,
                                      0xFFFFFFFF);
    gfx.builtin_font = image_from_pixmap(sheet, 0);
    return gfx.builtin_font;
}

} // namespace

void set_window_title(const std::string& title) {
    gfx.title = title;
    if (gfx.window != nullptr) SDL_SetWindowTitle(gfx.window, title.c_str());
}

void set_window_choice(t_window_choice choice) { gfx.choice = choice; }

void set_headless_graphics(bool headless) { gfx.headless = headless; }

bool graphics_mode_exists(int width, int height, int /*depth*/, int /*hz*/) {
    if (gfx.headless) return false;
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0 && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    const int displays = SDL_GetNumVideoDisplays();
    for (int d = 0; d < displays; ++d) {
        SDL_Rect bounds{};
        if (SDL_GetDisplayBounds(d, &bounds) == 0 && bounds.w >= width && bounds.h >= height) return true;
        const int modes = SDL_GetNumDisplayModes(d);
        for (int m = 0; m < modes; ++m) {
            SDL_DisplayMode mode{};
            if (SDL_GetDisplayMode(d, m, &mode) == 0 && mode.w >= width && mode.h >= height) return true;
        }
    }
    return false;
}

bool open_graphics(int width, int height, int depth, int hz, int /*flags*/) {
    bool full = depth != 0;
    if (gfx.choice == t_window_choice::windowed) full = false;
    if (gfx.choice == t_window_choice::full_screen) full = true;
    gfx.logical_w = width;
    gfx.logical_h = height;
    gfx.hz = hz;
    if (gfx.headless) {
        gfx.open = true;
        return true;
    }
    if (gfx.window == nullptr) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
        SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
        Uint32 window_flags = SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE;
        if (full) window_flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
        gfx.window = SDL_CreateWindow(gfx.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                                      window_flags);
        if (gfx.window == nullptr) return false;
        gfx.asked_w = width;
        gfx.asked_h = height;
        gfx.context = SDL_GL_CreateContext(gfx.window);
        if (gfx.context == nullptr) {
            SDL_DestroyWindow(gfx.window);
            gfx.window = nullptr;
            return false;
        }
        SDL_GL_SetSwapInterval(0);
        if (gfx.message_boxes) set_fatal_hook(show_fatal_box);
    } else {
        int now_w = 0, now_h = 0;
        SDL_GetWindowSize(gfx.window, &now_w, &now_h);
        // A window the player has resized keeps its size between menus and match: the picture scales into it.
        const bool player_sized = !gfx.full_screen && (now_w != gfx.asked_w || now_h != gfx.asked_h);
        SDL_SetWindowFullscreen(gfx.window, full ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
        if (!full && !player_sized) {
            SDL_SetWindowSize(gfx.window, width, height);
            SDL_SetWindowPosition(gfx.window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
            gfx.asked_w = width;
            gfx.asked_h = height;
        }
    }
    gfx.full_screen = full;
    make_target(width, height);
    begin_logical_frame();
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    gfx.open = true;
    return true;
}

void close_graphics() {
    // The window stays so that the GL context (and every texture) survives a size switch.
    flush_batch();
    gfx.open = false;
}

void shutdown_graphics() {
    gfx.builtin_font.reset();
    set_fatal_hook(nullptr);
    if (gfx.context != nullptr) SDL_GL_DeleteContext(gfx.context);
    if (gfx.window != nullptr) SDL_DestroyWindow(gfx.window);
    gfx.context = nullptr;
    gfx.window = nullptr;
    gfx.open = false;
    gfx.fbo = 0;
}

bool graphics_open() { return gfx.window != nullptr; }
int graphics_width() { return gfx.logical_w; }
int graphics_height() { return gfx.logical_h; }

void window_to_logical(int wx, int wy, int& lx, int& ly) {
    if (gfx.window == nullptr) {
        lx = wx;
        ly = wy;
        return;
    }
    int win_w = 0, win_h = 0, draw_w = 0, draw_h = 0;
    SDL_GetWindowSize(gfx.window, &win_w, &win_h);
    SDL_GL_GetDrawableSize(gfx.window, &draw_w, &draw_h);
    const double px = win_w > 0 ? static_cast<double>(draw_w) / win_w : 1.0;
    const double py = win_h > 0 ? static_cast<double>(draw_h) / win_h : 1.0;
    const SDL_Rect box = letterbox();
    lx = static_cast<int>(std::floor((wx * px - box.x) * gfx.logical_w / box.w));
    ly = static_cast<int>(std::floor((wy * py - box.y) * gfx.logical_h / box.h));
}

void set_unpaced(bool value) { gfx.unpaced = value; }
void set_message_boxes(bool enabled) { gfx.message_boxes = enabled; }
bool unpaced() { return gfx.unpaced; }
long presented_frames() { return gfx.frames; }

void flip(int sync) {
    if (gfx.window == nullptr) return;
    if (sync == -1 && gfx.hz > 0 && !gfx.unpaced) {
        const long due = gfx.last_flip_ms + 1000 / gfx.hz;
        const long now = millisecs();
        if (now < due) delay(static_cast<int>(due - now));
    }
    gfx.last_flip_ms = millisecs();
    present();
    ++gfx.frames;
    poll_events();
}

void cls() {
    if (gfx.window == nullptr) return;
    flush_batch();
    glClearColor(gfx.cls_r, gfx.cls_g, gfx.cls_b, 1);
    glClear(GL_COLOR_BUFFER_BIT);
}

void set_cls_color(int r, int g, int b) {
    gfx.cls_r = static_cast<float>(r & 255) / 255.0f;
    gfx.cls_g = static_cast<float>(g & 255) / 255.0f;
    gfx.cls_b = static_cast<float>(b & 255) / 255.0f;
}

void hide_mouse() { SDL_ShowCursor(SDL_DISABLE); }

bool app_terminate() { return close_requested(); }

void set_color(int r, int g, int b) {
    gfx.r = std::clamp(r, 0, 255);
    gfx.g = std::clamp(g, 0, 255);
    gfx.b = std::clamp(b, 0, 255);
}

void get_color(int& r, int& g, int& b) {
    r = gfx.r;
    g = gfx.g;
    b = gfx.b;
}

void set_alpha(float a) { gfx.alpha = a; }
float get_alpha() { return gfx.alpha; }
void set_blend(int mode) { gfx.blend = mode; }
int get_blend() { return gfx.blend; }

void set_origin(float x, float y) {
    gfx.origin_x = x;
    gfx.origin_y = y;
}

void get_origin(float& x, float& y) {
    x = gfx.origin_x;
    y = gfx.origin_y;
}

void plot(float x, float y) { draw_rect(x, y, 1, 1); }

void draw_line(float x1, float y1, float x2, float y2, bool last_pixel) {
    // Lines are drawn as one-pixel quads stepped along the major axis: exact
    // pixels on every GL implementation.
    const float dx = x2 - x1;
    const float dy = y2 - y1;
    const float steps = std::max(std::fabs(dx), std::fabs(dy));
    if (steps < 1) {
        if (last_pixel) plot(x1, y1);
        return;
    }
    if (std::fabs(dx) < 0.5f || std::fabs(dy) < 0.5f) {
        const float x = std::min(x1, x2), y = std::min(y1, y2);
        float w = std::fabs(dx) + 1, h = std::fabs(dy) + 1;
        if (!last_pixel) {
            if (std::fabs(dx) >= std::fabs(dy)) w -= 1;
            else h -= 1;
        }
        float ox = x, oy = y;
        if (!last_pixel && x2 < x1) ox += 1;
        if (!last_pixel && y2 < y1) oy += 1;
        draw_rect(ox, oy, w, h);
        return;
    }
    const int n = static_cast<int>(steps) + (last_pixel ? 1 : 0);
    for (int i = 0; i < n; ++i) {
        const float t = static_cast<float>(i) / steps;
        plot(std::floor(x1 + dx * t + 0.5f), std::floor(y1 + dy * t + 0.5f));
    }
}

void draw_rect(float x, float y, float w, float h) {
    if (gfx.window == nullptr) return;
    use(GL_QUADS, 0);
    gfx.batch.push_back(vertex(x, y));
    gfx.batch.push_back(vertex(x + w, y));
    gfx.batch.push_back(vertex(x + w, y + h));
    gfx.batch.push_back(vertex(x, y + h));
}

void draw_oval(float x, float y, float w, float h) {
    if (gfx.window == nullptr) return;
    use(GL_TRIANGLES, 0);
    const float cx = x + w / 2, cy = y + h / 2;
    constexpr int segments = 32;
    for (int i = 0; i < segments; ++i) {
        const double a0 = 2 * M_PI * i / segments, a1 = 2 * M_PI * (i + 1) / segments;
        gfx.batch.push_back(vertex(cx, cy));
        gfx.batch.push_back(vertex(cx + static_cast<float>(std::cos(a0)) * w / 2, cy + static_cast<float>(std::sin(a0)) * h / 2));
        gfx.batch.push_back(vertex(cx + static_cast<float>(std::cos(a1)) * w / 2, cy + static_cast<float>(std::sin(a1)) * h / 2));
    }
}

void draw_image_rect(const t_image_ref& image, float x, float y, float w, float h, float sx, float sy, float sw,
                     float sh, int frame) {
    if (!image || gfx.window == nullptr || frame < 0 || frame >= image->frame_count()) return;
    const GLuint tex = image->texture(frame);
    use(GL_QUADS, tex);
    const float iw = static_cast<float>(image->width());
    const float ih = static_cast<float>(image->height());
    const float u0 = sx / iw, v0 = sy / ih, u1 = (sx + sw) / iw, v1 = (sy + sh) / ih;
    const float px = x - image->handle_x, py = y - image->handle_y;
    gfx.batch.push_back(vertex(px, py, u0, v0));
    gfx.batch.push_back(vertex(px + w, py, u1, v0));
    gfx.batch.push_back(vertex(px + w, py + h, u1, v1));
    gfx.batch.push_back(vertex(px, py + h, u0, v1));
}

void draw_image(const t_image_ref& image, float x, float y, int frame) {
    if (!image) return;
    const auto w = static_cast<float>(image->width());
    const auto h = static_cast<float>(image->height());
    draw_image_rect(image, x, y, w, h, 0, 0, w, h, frame);
}

void draw_text(const std::string& text, float x, float y) {
    const t_image_ref font = builtin_font_image();
    const int saved_blend = gfx.blend;
    if (gfx.blend == SOLID_BLEND) gfx.blend = ALPHA_BLEND;
    float pen = x;
    for (const uint32_t code : decode_utf8(text)) {
        const uint32_t c = code < 256 ? code : '?';
        draw_image_rect(font, pen, y, BUILTIN_GLYPH_W, BUILTIN_GLYPH_H, static_cast<float>((c % 16) * BUILTIN_GLYPH_W),
                        static_cast<float>((c / 16) * BUILTIN_GLYPH_H), BUILTIN_GLYPH_W, BUILTIN_GLYPH_H);
        pen += BUILTIN_GLYPH_W;
    }
    gfx.blend = saved_blend;
}

int platform_text_width(const std::string& text) {
    return static_cast<int>(decode_utf8(text).size()) * BUILTIN_GLYPH_W;
}

t_pixmap grab_frame() {
    t_pixmap out(gfx.logical_w, gfx.logical_h);
    if (gfx.window == nullptr) return out;
    flush_batch();
    glBindFramebuffer(GL_READ_FRAMEBUFFER, gfx.direct ? 0 : gfx.fbo);
    if (gfx.direct) glReadBuffer(GL_BACK);
    std::vector<uint8_t> rgba(static_cast<size_t>(gfx.logical_w) * static_cast<size_t>(gfx.logical_h) * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, gfx.logical_w, gfx.logical_h, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    for (int y = 0; y < gfx.logical_h; ++y)
        for (int x = 0; x < gfx.logical_w; ++x) {
            const uint8_t* p = rgba.data() + (static_cast<size_t>(gfx.logical_h - 1 - y) * gfx.logical_w + x) * 4;
            out.write_pixel(x, y, 0xFF000000u | (static_cast<uint32_t>(p[0]) << 16) | (static_cast<uint32_t>(p[1]) << 8) | p[2]);
        }
    return out;
}
