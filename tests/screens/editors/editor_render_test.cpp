#include <gtest/gtest.h>

#include <cstdlib>

#include "core/fonts.hpp"
#include "editor_test_support.hpp"
#include "football/team_file.hpp"
#include "platform/graphics.hpp"
#include "screens/editors/menu_edit_players.hpp"
#include "screens/editors/menu_edit_team.hpp"
#include "screens/editors/team_editing.hpp"
#include "screens/tactics_editor/menu_edit_tactics.hpp"
#include "screens/tactics_editor/menu_select_tactics_to_edit.hpp"

using namespace editor_test;

namespace {
const fs::path REFERENCES = fs::path(QUILBO_TEST_DATA) / "editors";

// Share of pixels that differ clearly from the reference (the selection border pulses with the clock).
double difference(const t_pixmap& frame, const std::string& reference) {
    const t_image_ref ref = load_image((REFERENCES / reference).string(), 0);
    if (!ref || ref->width() != frame.width() || ref->height() != frame.height()) return 1.0;
    const t_pixmap& r = ref->frame(0);
    long differing = 0;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x) {
            const uint32_t a = frame.read_pixel(x, y), b = r.read_pixel(x, y);
            int d = 0;
            for (int s = 0; s < 24; s += 8) d = std::max(d, std::abs(static_cast<int>((a >> s) & 255) - static_cast<int>((b >> s) & 255)));
            if (d > 24) ++differing;
        }
    return static_cast<double>(differing) / (frame.width() * frame.height());
}

t_pixmap draw(t_game_mode& screen) {
    cls();
    screen.render();
    return grab_frame();
}
} // namespace

// Both editors drawn under a real display, compared with the committed pictures (a copy goes to /tmp).
TEST(EditorPictures, PlayersTeamAndTacticsEditorsLookAsCommitted) {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no display";
    editor_folder folder;
    ASSERT_TRUE(open_graphics(1024, 768, 0, 60));
    read_font_widths(10, font_widths_10);
    read_font_widths(14, font_widths_14);
    font_10 = load_image_from("images", "ucode_10.png", -1, 0x0000FF);
    font_14 = load_image_from("images", "ucode_14.png", -1, 0x0000FF);
    fade_level = 255;
    {
        ASSERT_EQ(open_team_for_editing("cus", 317), "");
        MenuEditPlayers players;
        players.selected_widget.reset();
        const t_pixmap a = draw(players);
        save_png(a, "/tmp/quilbo_edit_players.png");
        EXPECT_LT(difference(a, "edit_players.png"), 0.01);

        MenuEditTeam team;
        team.selected_widget.reset();
        const t_pixmap b = draw(team);
        save_png(b, "/tmp/quilbo_edit_team.png");
        EXPECT_LT(difference(b, "edit_team.png"), 0.01);

        auto shown = std::make_shared<t_team>();
        shown->ext = "cus";
        shown->number = 313;
        load_team(*shown);
        menu.team_to_show = shown;
        t_menu_select_tactics_to_edit select;
        select.bc_edit_tactics(12);
        t_menu_edit_tactics tactics_editor;
        tactics_editor.selected_widget.reset();
        const t_pixmap c = draw(tactics_editor);
        save_png(c, "/tmp/quilbo_edit_tactics.png");
        EXPECT_LT(difference(c, "edit_tactics.png"), 0.01);
    }
    fade_level = 0;
    font_10.reset();
    font_14.reset();
    close_graphics();
}
