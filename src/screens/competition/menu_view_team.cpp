#include "screens/competition/menu_view_team.hpp"

#include <algorithm>

#include "core/backgrounds.hpp"
#include "core/dictionary.hpp"
#include "core/globals.hpp"
#include "core/loaders.hpp"
#include "core/screen_modes.hpp"
#include "core/text.hpp"
#include "football/competition.hpp"
#include "football/kit_colour.hpp"
#include "football/price.hpp"
#include "screens/competition/competition_style.hpp"
#include "screens/friendly/menu_set_team.hpp"
#include "ui/player_row.hpp"

namespace {
constexpr int ROW_X = 30;
constexpr int ROW_Y0 = 126;
constexpr int ROW_PITCH = 19;
constexpr int ROW_H = 17;
constexpr int GOALS_X = 562;
constexpr int FONT_WHITE = 0xFCFCFC;
constexpr int FONT_YELLOW = 0xFCFC00;

int row_y(int row) { return ROW_Y0 + ROW_PITCH * (row - 1); }
} // namespace

MenuViewTeam::MenuViewTeam() {
    img_background = backgrounds->get("menu_set_team.jpg");
    if (competition && !competition->teams.empty()) {
        const int index = std::clamp(competition->team_to_view, 0, static_cast<int>(competition->teams.size()) - 1);
        team = competition->teams[static_cast<size_t>(index)];
    }
    img_pflags = load_image_from("images/flags/small", "flags_t.png", -1, CREST_MASK);
    img_stars = load_image_from("images", "stars.png", -1, 0x0000CC);
    img_ucode10y = load_image_from("images", "ucode_10.png", -1, 0x0000FF);
    replace_pixel_colour(img_ucode10y, argb(FONT_WHITE, 255), argb(FONT_YELLOW, 255));

    if (team) {
        prepare_team_pictures(*team);
        img_hflag = load_image_from("images/flags/small", team->ext + ".png", -1, CREST_MASK);
        add_caption(*this, HOME_NAME, 212, 45, 601, 41, team->name);
        auto crest = std::make_shared<t_picture>();
        crest->image = team->clnf;
        crest->set_geometry(206 - image_width(team->clnf), 65 - image_height(team->clnf) / 2, image_width(team->clnf),
                            image_height(team->clnf));
        widgets.push_back(crest);
        auto flag = std::make_shared<t_picture>();
        flag->image = img_hflag;
        flag->set_geometry(925, 55, 30, 20);
        widgets.push_back(flag);
        add_caption(*this, NO_COLOURS, GOALS_X, ROW_Y0 - 22, 50, 20, translate("GOALS"), SMALL_FONT);
        for (int row = 1; row <= LINEUP_ROWS; ++row) add_player_row(row);
        auto board = std::make_shared<t_board>();
        board->set_position(627, 126);
        board->set_teams(team, team);
        widgets.push_back(board);
        add_label(*this, 757, 582, team->coach_name, SMALL_FONT, ALIGN_LEFT);
    }
    selected_widget =
        exit_widget = add_button(*this, EXIT_COLOURS, 849, 688, 145, 40, translate("EXIT"), SMALL_FONT);
    bind_screen_change(*this, *selected_widget, MODE_SELECT_SQUAD_TO_VIEW);
}

void MenuViewTeam::add_player_row(int row) {
    const t_team& t = *team;
    const auto pos = static_cast<size_t>(lineup_list_position(team_formation(t), row));
    std::shared_ptr<t_player> p;
    if (row <= t.size && pos < t.players.size()) p = t.players[pos];
    if (!p) return;

    const int y = row_y(row);
    const int bench = competition ? competition->bench_size : settings.bench_size;
    const t_colours colours = lineup_row_colours(row, t_row_style{t.size, bench, true, 0});
    const t_player_row_look look{ROW_X, ROW_H, 0, ALIGN_CENTRE, img_pflags, img_ucode10y, img_stars};
    t_player_row r(*this, look, y);
    r.show(p, t.national == 0);
    r.paint(colours);
    // Read only: nothing on the row can be chosen.
    r.name->active = 0;
    add_caption(*this, p->goals > 0 ? SCORER_GREEN : colours, GOALS_X, y, 50, ROW_H, std::to_string(p->goals), SMALL_FONT);
}
