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

namespace {
constexpr int ROW_Y0 = 126;
constexpr int ROW_PITCH = 19;
constexpr int ROW_H = 17;
constexpr int GOALS_X = 562;
constexpr int FONT_WHITE = 0xFCFCFC;
constexpr int FONT_YELLOW = 0xFCFC00;
constexpr t_colours TEAM_NAME{0x6A5ACD, 0x8F83D7, 0x372989};
constexpr t_colours GOALS_COLOURS{0x00825F, 0x00C28E, 0x00402F};

int row_y(int row) { return ROW_Y0 + ROW_PITCH * (row - 1); }

int role_x(const t_team& team) {
    if (team.national != 0) return 363;
    return settings.use_flags == 1 ? 391 : 417;
}
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
        add_caption(widgets, TEAM_NAME, 212, 45, 601, 41, team->name);
        auto crest = std::make_shared<t_picture>();
        crest->image = team->clnf;
        crest->set_geometry(206 - image_width(team->clnf), 65 - image_height(team->clnf) / 2, image_width(team->clnf),
                            image_height(team->clnf));
        widgets.push_back(crest);
        auto flag = std::make_shared<t_picture>();
        flag->image = img_hflag;
        flag->set_geometry(925, 55, 30, 20);
        widgets.push_back(flag);
        add_caption(widgets, NO_COLOURS, GOALS_X, ROW_Y0 - 22, 50, 20, translate("GOALS"), SMALL_FONT);
        for (int row = 1; row <= LINEUP_ROWS; ++row) add_player_row(row);
        auto board = std::make_shared<t_board>();
        board->set_position(627, 126);
        board->set_teams(team, team);
        widgets.push_back(board);
        add_label(widgets, 757, 582, team->coach_name, SMALL_FONT, ALIGN_LEFT);
    }
    selected_widget =
        add_button(widgets, EXIT_COLOURS, 849, 688, 145, 40, translate("EXIT"), SMALL_FONT);
    selected_widget->bind("fire1_down", "bc_set_menu", {std::to_string(MODE_SELECT_SQUAD_TO_VIEW)});
}

void MenuViewTeam::add_player_row(int row) {
    const t_team& t = *team;
    const auto pos = static_cast<size_t>(lineup_list_position(team_formation(t), row));
    std::shared_ptr<t_player> p;
    if (row <= t.size && pos < t.players.size()) p = t.players[pos];
    if (!p) return;

    const int y = row_y(row);
    const int rx = role_x(t);
    const int bench = competition ? competition->bench_size : settings.bench_size;
    const t_colours colours = lineup_row_colours(row, t_row_style{t.size, bench, true, 0});

    auto face = std::make_shared<t_face_button>();
    face->set_geometry(30, y, 24, ROW_H);
    face->active = 0;
    face->player = p;
    set_colours(*face, colours);
    widgets.push_back(face);
    add_caption(widgets, colours, 54, y, 30, ROW_H, std::to_string(p->nr), SMALL_FONT);
    add_caption(widgets, colours, 84, y, 276, ROW_H, lineup_player_name(*p), SMALL_FONT, ALIGN_LEFT);
    if (t.national == 0 && settings.use_flags == 1) {
        auto flag = std::make_shared<t_flag_button>();
        flag->set_geometry(360, y, 24, ROW_H);
        flag->img_pflags = img_pflags;
        flag->active = 0;
        flag->player = p;
        set_colours(*flag, colours);
        widgets.push_back(flag);
    } else if (t.national == 0) {
        add_caption(widgets, colours, 363, y, 54, ROW_H, "(" + p->nat + ")", SMALL_FONT);
    }
    add_caption(widgets, colours, rx, y, 30, ROW_H, position_codes[static_cast<size_t>(std::clamp(p->pt, 0, ROLE_COUNT - 1))],
                SMALL_FONT);
    for (int s = 0; s < 3; ++s) {
        t_button_ref skill = add_caption(widgets, colours, rx + 31 + 12 * s, y, 12, ROW_H, p->get_best_skill(s + 1), SMALL_FONT);
        skill->img_ucode = img_ucode10y;
    }
    auto stars = std::make_shared<t_picture>();
    stars->image = img_stars;
    stars->set_geometry(rx + 71, y, 64, 16);
    stars->frame_y = price_table[static_cast<size_t>(std::clamp(p->price, 0, PRICE_COUNT - 1))].stars;
    widgets.push_back(stars);
    add_caption(widgets, p->goals > 0 ? GOALS_COLOURS : colours, GOALS_X, y, 50, ROW_H, std::to_string(p->goals), SMALL_FONT);
}
