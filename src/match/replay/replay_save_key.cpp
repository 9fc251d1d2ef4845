#include "match/replay/replay_save_key.hpp"

#include <cstdio>

#include "core/dictionary.hpp"
#include "core/fonts.hpp"
#include "core/globals.hpp"
#include "match/replay/highlight_file.hpp"
#include "match/overlays/hud_message.hpp"
#include "match/overlays/overlay_backing.hpp"
#include "platform/graphics.hpp"
#include "platform/input.hpp"

namespace {
constexpr int KEY_S = 'S';
constexpr int HALF_LINE_14 = 13;
constexpr int ALIGN_CENTRE = 0;
constexpr int SMALL_FONT = 10;
// The small font's capitals sit where the large font's would.
constexpr int SMALL_FONT_DROP = 2;
} // namespace

void save_highlights_on_key() {
    // S is also a stick key of key set 1: presses counted during play are dropped, only one held now saves.
    const bool pressed = key_hit(KEY_S) > 0 && key_down(KEY_S);
    if (!pressed || highlights_count <= 0) return;
    std::string error;
    const std::string path = save_match_highlights(HIGHLIGHTS_FOLDER, error);
    if (path.empty()) {
        std::printf("Highlights not saved: %s\n", error.c_str());
        show_hud_message("", translate("HIGHLIGHTS NOT SAVED"));
    } else {
        std::printf("Highlights saved to %s\n", path.c_str());
        show_hud_message("", translate("HIGHLIGHTS SAVED"));
    }
    std::fflush(stdout);
}

int save_hint_y(int screen_height) {
    const int h = screen_height;
    const int title_bottom = h / 15 + h / 20 + 7;
    const int first_row_top = h / 5 - 7;
    return (title_bottom + first_row_top) / 2 - HALF_LINE_14;
}

void draw_save_highlights_hint() {
    std::string keys = hud_text("FIRE: CONTINUE");
    if (highlights_count > 0)
        keys = "H: " + hud_text("HIGHLIGHTS") + "    S: " + translate("SAVE HIGHLIGHTS") + "    " + keys;
    set_blend(MASK_BLEND);
    set_alpha(1);
    const int y = save_hint_y(screen_h) + SMALL_FONT_DROP;
    draw_text_backing(keys, screen_w / 2, y, SMALL_FONT, ALIGN_CENTRE);
    draw_text_10(keys, static_cast<float>(screen_w / 2), static_cast<float>(y), font_10, ALIGN_CENTRE);
}
