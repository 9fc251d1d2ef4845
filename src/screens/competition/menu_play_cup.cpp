#include "screens/competition/menu_play_cup.hpp"

#include "core/dictionary.hpp"
#include "core/loaders.hpp"
#include "core/screen_modes.hpp"
#include "football/competition_save.hpp"
#include "screens/competition/competition_results.hpp"
#include "screens/competition/competition_rules.hpp"
#include "screens/competition/competition_style.hpp"
#include "screens/friendly/team_selection.hpp"
#include "ui/label.hpp"
#include "ui/menu.hpp"

namespace {
constexpr int FONT_WHITE = 0xFCFCFC;
constexpr int FONT_GREEN = 0x40FC40;
constexpr int SCROLL_MASK = 0x182034;
constexpr int STATUS_DROP = 26;
constexpr int NAME_H = 26;
constexpr t_colours SCORE_BOX{0x101010, 0x404040, 0x080808};
} // namespace

t_cup& MenuPlayCup::cup() { return static_cast<t_cup&>(*competition); }

MenuPlayCup::MenuPlayCup() : t_play_screen(MODE_PLAY_CUP) {
    t_cup& c = cup();
    // A match back from the pitch may still owe extra time or a shoot-out.
    complete_cup_match(c);
    matches = static_cast<int>(c.calendar_current.size());
    if (c.ended == 0 && c.current_match < matches) {
        match = &c.get_match();
        menu.show_result = match->result ? 1 : 0;
    }
    save_competition_in_progress();

    img_scroll = load_image_from("images", "scroll.png", -1, SCROLL_MASK);
    img_ucode10g = load_image_from("images", "ucode_10.png", -1, 0x0000FF);
    replace_pixel_colour(img_ucode10g, argb(FONT_WHITE, 255), argb(FONT_GREEN, 255));

    add_competition_title(*this, c.get_menu_title());
    for (size_t k = 0; k < c.calendar_current.size(); ++k) add_block(c, k);
    w_scroll_up = add_button(*this, FRAME_GREY, 966, 120, 20, 20, "");
    w_scroll_down = add_button(*this, FRAME_GREY, 966, 120 + CUP_BLOCK_HEIGHT * CUP_BLOCKS_SHOWN - 44, 20, 20, "");
    for (const auto& [b, step, cell] : {std::tuple{w_scroll_up, "-1", 0}, std::tuple{w_scroll_down, "+1", 1}}) {
        b->image = img_scroll;
        b->set_frame(16, 16, cell, 0);
        bind_callback(*b, "fire1_down", "bc_scroll", &MenuPlayCup::bc_scroll, {step});
        bind_callback(*b, "fire1_hold", "bc_scroll", &MenuPlayCup::bc_scroll, {step});
        b->visible = matches > CUP_BLOCKS_SHOWN ? 1 : 0;
    }
    offset = offset_showing(c.current_match, matches);
    update_result_widgets();
    if (!match) add_winner_line();
    add_buttons(match);
}

void MenuPlayCup::add_block(const t_cup& c, size_t k) {
    const t_match& m = c.calendar_current[k];
    const bool is_current = static_cast<int>(k) == c.current_match && c.ended == 0;
    const bool played = m.result.has_value() && (!is_current || menu.show_result == 1);
    auto score = [&](size_t side) { return played ? std::to_string((*m.result)[side]) : std::string(); };

    std::array<t_widget_ref, 6> block;
    block[0] = add_caption(*this, control_colours(m.teams[0]->control), 72, 0, 330, NAME_H, m.teams[0]->name,
                           SMALL_FONT, ALIGN_RIGHT);
    // Scores in the large white font on a dark box: they are what the player looks for.
    block[1] = add_caption(*this, played ? SCORE_BOX : NO_COLOURS, 412, 0, 50, NAME_H, score(0), LARGE_FONT);
    block[2] = add_caption(*this, is_current ? GOLD : DARK_OLIVE, 472, 0, 80, NAME_H,
                           played ? "-" : translate("V // code for: VERSUS"), SMALL_FONT);
    block[3] = add_caption(*this, played ? SCORE_BOX : NO_COLOURS, 562, 0, 50, NAME_H, score(1), LARGE_FONT);
    block[4] = add_caption(*this, control_colours(m.teams[1]->control), 622, 0, 330, NAME_H, m.teams[1]->name,
                           SMALL_FONT, ALIGN_LEFT);
    const std::string status = played || !m.result ? m.status : std::string();
    block[5] = add_label(*this, 512, 0, status, SMALL_FONT, ALIGN_CENTRE);
    block[5]->img_ucode = img_ucode10g;
    result_widgets.push_back(block);
}

void MenuPlayCup::update_result_widgets() {
    for (size_t k = 0; k < result_widgets.size(); ++k) {
        const int kk = static_cast<int>(k);
        const int y = block_y(kk, offset);
        for (size_t i = 0; i < 6; ++i) {
            t_widget& w = *result_widgets[k][i];
            w.y = i == 5 ? y + STATUS_DROP + 9 : y;
            w.visible = block_shown(kk, offset) ? 1 : 0;
        }
    }
}

void MenuPlayCup::bc_scroll(int step) {
    offset = scroll_offset(offset, step, matches);
    update_result_widgets();
}

void MenuPlayCup::advance() { cup().next_match(); }

void MenuPlayCup::produce_result() { view_cup_result(cup()); }
