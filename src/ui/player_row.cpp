#include "ui/player_row.hpp"

#include <algorithm>

#include "core/globals.hpp"
#include "football/price.hpp"

namespace {
constexpr int FACE_W = 24;
constexpr int NUMBER_DX = 24, NUMBER_W = 30;
constexpr int NAME_DX = 54, NAME_W = 276;
constexpr int FLAG_DX = 330, FLAG_W = 24;
constexpr int CODE_DX = 333, CODE_W = 54;
constexpr int ROLE_W = 30;
// The role column: straight after the name, after a flag, or after a bracketed code.
constexpr int ROLE_DX_NATIONAL = 333, ROLE_DX_FLAG = 361, ROLE_DX_CODE = 387;
constexpr int SKILLS_DX = 31, SKILL_W = 12;
constexpr int STARS_DX = 71, STARS_W = 64, STARS_H = 16;
} // namespace

t_player_row::t_player_row(t_game_mode& screen, const t_player_row_look& look, int y)
    : x_(look.x), y_(y), stars_dy_(look.stars_dy) {
    const int h = look.height;
    face = add_widget<t_face_button>(screen, NO_COLOURS, x_, y, FACE_W, h, "", 0);
    face->active = 0;
    number = add_caption(screen, NO_COLOURS, x_ + NUMBER_DX, y, NUMBER_W, h, "", SMALL_FONT);
    name = add_button(screen, NO_COLOURS, x_ + NAME_DX, y, NAME_W, h, "", SMALL_FONT, ALIGN_LEFT);
    flag = add_widget<t_flag_button>(screen, NO_COLOURS, x_ + FLAG_DX, y, FLAG_W, h, "", 0);
    flag->img_pflags = look.img_pflags;
    flag->active = 0;
    code = add_caption(screen, NO_COLOURS, x_ + CODE_DX, y, CODE_W, h, "", SMALL_FONT, look.code_align);
    role = add_caption(screen, NO_COLOURS, x_ + ROLE_DX_CODE, y, ROLE_W, h, "", SMALL_FONT);
    for (t_button_ref& skill : skills) {
        skill = add_caption(screen, NO_COLOURS, x_, y, SKILL_W, h, "", SMALL_FONT);
        skill->img_ucode = look.img_skill_font;
    }
    stars = std::make_shared<t_picture>();
    stars->image = look.img_stars;
    stars->set_geometry(x_, y + stars_dy_, STARS_W, STARS_H);
    screen.widgets.push_back(stars);
}

void t_player_row::show(const std::shared_ptr<t_player>& player, bool club) {
    const bool flags = club && settings.use_flags == 1;
    const int role_x = x_ + (!club ? ROLE_DX_NATIONAL : flags ? ROLE_DX_FLAG : ROLE_DX_CODE);
    face->player = player;
    number->text = player ? std::to_string(player->nr) : "";
    name->text = player ? row_player_name(*player) : "";
    flag->player = flags ? player : nullptr;
    flag->visible = flags ? 1 : 0;
    code->visible = club && !flags ? 1 : 0;
    code->text = player ? "(" + player->nat + ")" : "";
    role->set_position(role_x, y_);
    role->text = player ? position_codes[static_cast<size_t>(std::clamp(player->pt, 0, ROLE_COUNT - 1))] : "";
    for (size_t s = 0; s < skills.size(); ++s) {
        skills[s]->set_position(role_x + SKILLS_DX + SKILL_W * static_cast<int>(s), y_);
        skills[s]->text = player ? player->get_best_skill(static_cast<int>(s) + 1) : "";
    }
    stars->set_position(role_x + STARS_DX, y_ + stars_dy_);
    stars->visible = player ? 1 : 0;
    stars->frame_y = player ? price_table[static_cast<size_t>(std::clamp(player->price, 0, PRICE_COUNT - 1))].stars : 0;
}

void t_player_row::paint(t_colours colours) {
    for (t_widget* w : {static_cast<t_widget*>(face.get()), static_cast<t_widget*>(number.get()),
                        static_cast<t_widget*>(name.get()), static_cast<t_widget*>(flag.get()),
                        static_cast<t_widget*>(code.get()), static_cast<t_widget*>(role.get())})
        set_colours(*w, colours);
    for (const t_button_ref& skill : skills) set_colours(*skill, colours);
}

void t_player_row::hide() {
    for (t_widget* w : {static_cast<t_widget*>(face.get()), static_cast<t_widget*>(number.get()),
                        static_cast<t_widget*>(name.get()), static_cast<t_widget*>(flag.get()),
                        static_cast<t_widget*>(code.get()), static_cast<t_widget*>(role.get()),
                        static_cast<t_widget*>(stars.get())})
        w->visible = 0;
    for (const t_button_ref& skill : skills) skill->visible = 0;
}

std::string row_player_name(const t_player& player) {
    if (!player.name.empty() && !player.surname.empty()) return player.name + " " + player.surname;
    return player.name + player.surname;
}

t_colours squad_row_colours(int row, int squad_size, int bench_size, bool marked) {
    if (marked) return ROW_MARKED;
    if (row > squad_size) return ROW_BEYOND_SQUAD;
    if (row == 1) return ROW_KEEPER;
    if (row <= SQUAD_STARTERS) return ROW_STARTER;
    if (row <= SQUAD_STARTERS + bench_size) return ROW_BENCH;
    return ROW_RESERVE;
}
