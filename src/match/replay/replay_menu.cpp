#include "match/replay/replay_menu.hpp"

#include "core/backgrounds.hpp"
#include "core/dictionary.hpp"
#include "core/globals.hpp"
#include "core/screen_modes.hpp"
#include "match/core/match_state.hpp"
#include "match/overlays/overlay_stats.hpp"
#include "match/overlays/scorers_text.hpp"
#include "ui/menu_toolkit.hpp"

namespace {
constexpr int EXIT_Y = 700;
constexpr int PLAY_Y = 640;
constexpr int SCORE_Y = 96;
constexpr int SCORE_H = 44;
constexpr int SCORERS_Y = 148;
constexpr int SCORERS_H = 100;
constexpr int STATS_Y = 262;
constexpr int STATS_ROW_H = 40;
constexpr int STATS_LABEL_W = 300;
constexpr int STATS_VALUE_W = 200;
constexpr int CENTRE_X = 512;
constexpr int PANEL_X = 112;
constexpr int PANEL_W = 800;
constexpr int SCORERS_GAP = 10;
constexpr t_colours PANEL_DARK{0x202020, 0x404040, 0x101010};
} // namespace

std::string final_score_line() {
    if (!match_teams[0] || !match_teams[1]) return {};
    return match_teams[0]->name + "  " + std::to_string(match_stats[0].goal) + " - " +
           std::to_string(match_stats[1].goal) + "  " + match_teams[1]->name;
}

MenuReplayMatch::MenuReplayMatch() {
    img_background = backgrounds->get("menu_match_presentation.jpg");
    add_title(*this, VIOLET, translate("FRIENDLY"));
    if (match_teams[0] && match_teams[1]) {
        w_score = add_caption(*this, PANEL_DARK, PANEL_X, SCORE_Y, PANEL_W, SCORE_H, final_score_line());
        // The small font breaks the scorers' lines at their "\r\n": one box per side, each text against the middle.
        add_caption(*this, PANEL_DARK, PANEL_X, SCORERS_Y, PANEL_W, SCORERS_H, "");
        w_scorers[0] = add_label(*this, CENTRE_X - SCORERS_GAP, SCORERS_Y + 8, scorers_text[0], SMALL_FONT, ALIGN_RIGHT);
        w_scorers[1] = add_label(*this, CENTRE_X + SCORERS_GAP, SCORERS_Y + 8, scorers_text[1], SMALL_FONT, ALIGN_LEFT);
        const auto rows = stats_rows();
        // Row 0 holds the team names, already in the score line.
        for (size_t r = 1; r < rows.size(); ++r) {
            const int y = STATS_Y + static_cast<int>(r - 1) * STATS_ROW_H;
            add_caption(*this, PANEL_DARK, PANEL_X, y, STATS_VALUE_W, STATS_ROW_H - 4, rows[r].left);
            add_caption(*this, VALUE_STEEL, CENTRE_X - STATS_LABEL_W / 2, y, STATS_LABEL_W, STATS_ROW_H - 4,
                        translate(rows[r].label), SMALL_FONT);
            add_caption(*this, PANEL_DARK, PANEL_X + PANEL_W - STATS_VALUE_W, y, STATS_VALUE_W, STATS_ROW_H - 4,
                        rows[r].right);
        }
    }
    t_button_ref play = add_button(*this, PLAY_RED, 382, PLAY_Y, 260, 44, translate("PLAY MATCH"));
    bind_screen_change(*this, *play, MODE_MATCH_LOADING);
    selected_widget = play;
    add_exit_button(*this, "bc_set_menu", &t_game_mode::bc_set_menu, {std::to_string(MODE_MAIN_MENU)}, EXIT_Y);
}
