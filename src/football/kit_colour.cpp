#include "football/kit_colour.hpp"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "core/loaders.hpp"
#include "platform/fatal.hpp"
#include "platform/files.hpp"

namespace {
template <size_t N>
void add_shades(t_color_replacement_list& list, const std::array<int, N>& from, const std::array<int, N>& to) {
    for (size_t i = 0; i < N; ++i) list.add(from[i], to[i]);
}

const std::array<int, 4>& kit_row(int colour) {
    return kit_colours[static_cast<size_t>(std::clamp(colour, 0, KIT_COLOUR_COUNT - 1))];
}

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string three_digits(int number) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%03d", number);
    return buf;
}

bool starts_with(const std::string& s, const std::string& prefix) { return s.compare(0, prefix.size(), prefix) == 0; }

// Folder names of the confederations that have one; other codes are used as they are.
std::string confederation_folder(const std::string& code) {
    if (code == "UEF") return "uefa";
    if (code == "CNC") return "concacaf";
    if (code == "CNM") return "conmebol";
    return lower(code);
}

const t_kit& worn_kit(const t_team& team) {
    static const t_kit none{};
    if (team.kits.empty()) return none;
    return team.kits[static_cast<size_t>(std::clamp(team.kit, 0, static_cast<int>(team.kits.size()) - 1))];
}
} // namespace

void add_kit_colors(const t_kit& kit, t_color_replacement_list& list) {
    add_shades(list, template_shirt1, kit_row(kit.shirt1));
    add_shades(list, template_shirt2, kit_row(kit.shirt2));
    add_shades(list, template_shorts, kit_row(kit.shorts));
    add_shades(list, template_socks, kit_row(kit.socks));
}

void render_image(const t_kit& kit, const t_image_ref& image) {
    t_color_replacement_list list;
    add_kit_colors(kit, list);
    replace_colours(image, list);
}

void add_skin_colors(const t_player& player, t_color_replacement_list& list) {
    add_shades(list, template_skin, skin_colours[static_cast<size_t>(std::clamp(player.sk, 0, SKIN_COLOUR_COUNT - 1))]);
}

int hair_type_code(const t_player& player) {
    return hair_type_codes[static_cast<size_t>(std::clamp(player.ht, 0, HAIR_TYPE_COUNT - 1))];
}

void add_hair_colors(const t_player& player, t_color_replacement_list& list) {
    const auto hc = static_cast<size_t>(std::clamp(player.hc, 0, HAIR_COLOUR_COUNT - 1));
    if (hair_type_code(player) == SHORT_HAIR_CODE) {
        const auto sk = static_cast<size_t>(std::clamp(player.sk, 0, SKIN_COLOUR_COUNT - 1));
        const auto& row = short_hair_colours[static_cast<size_t>(short_hair_row[hc][sk])];
        list.add(template_hair[0], row[0]);
        list.add(template_hair[1], row[1]);
        return;
    }
    add_shades(list, template_hair, hair_colours[hc]);
}

std::string get_image_path(const t_team& team, const std::string& kind) {
    std::string folder = team.national != 0 ? "images/custom/nationals/" + confederation_folder(team.country)
                                            : "images/custom/clubs/" + lower(team.country);
    if (file_type(folder) == 2) {
        const std::string number = three_digits(team.number);
        for (const std::string& name : list_dir(folder)) {
            if (starts_with(name, number) && file_type(folder + "/" + name) == 2) {
                folder += "/" + name;
                break;
            }
        }
        const std::vector<std::string> files = list_dir(folder);
        const std::string for_kit = kind + "_" + std::to_string(team.kit + 1);
        for (const std::string& name : files)
            if (starts_with(name, for_kit) && file_type(folder + "/" + name) == 1) return folder + "/" + name;
        for (const std::string& name : files)
            if (starts_with(name, kind + ".") && file_type(folder + "/" + name) == 1) return folder + "/" + name;
    }
    return "images/" + kind + "/" + kit_style_name(worn_kit(team).style) + ".png";
}

std::string player_image_path(const t_player& player, const t_team& team) {
    return player.is_goalkeeper() ? "images/player/keeper.png" : get_image_path(team, "player");
}

t_color_replacement_list player_image_colours(const t_player& player, const t_team& team) {
    t_color_replacement_list list;
    add_kit_colors(worn_kit(team), list);
    add_skin_colors(player, list);
    return list;
}

std::string hair_image_path(const t_player& player) {
    return "images/player/hair/" + std::to_string(hair_type_code(player)) + ".png";
}

t_color_replacement_list hair_image_colours(const t_player& player) {
    t_color_replacement_list list;
    add_hair_colors(player, list);
    return list;
}

t_image_ref load_player_image(const t_player& player, const t_team& team) {
    return load_recoloured_png(player_image_path(player, team), player_image_colours(player, team), MASKED_IMAGE, 0);
}

t_image_ref load_hair(const t_player& player) {
    return load_recoloured_png(hair_image_path(player), hair_image_colours(player), MASKED_IMAGE, 0);
}

t_face create_face(const t_player& player) {
    const std::string path = "images/player/menu/" + std::to_string(hair_type_code(player)) + ".png";
    set_mask_colour(0);
    t_face out;
    out.face = file_type(path) == 1 ? load_image(path, EDITABLE_IMAGE) : nullptr;
    if (!out.face) runtime_error(" cannot find image: " + path);
    t_color_replacement_list list;
    add_hair_colors(player, list);
    add_skin_colors(player, list);
    replace_colours(out.face, list);
    out.facesh = copy_image(out.face);
    for (int f = 0; f < out.facesh->frame_count(); ++f) {
        t_pixmap& p = out.facesh->lock(f);
        uint32_t* px = p.data();
        const size_t n = static_cast<size_t>(p.width()) * static_cast<size_t>(p.height());
        for (size_t i = 0; i < n; ++i)
            if ((px[i] >> 24) != 0) px[i] = (px[i] & 0xFF000000u) | FACE_SHADOW;
    }
    return out;
}

std::string clnf_file(const t_team& team) {
    const std::string folder =
        team.national != 0 ? "images/flags/" + confederation_folder(team.country) : "images/logos/" + lower(team.country);
    std::string chosen;
    if (file_type(folder) == 2) {
        const std::string number = three_digits(team.number);
        for (const std::string& name : list_dir(folder))
            if (starts_with(name, number) && file_type(folder + "/" + name) == 1) chosen = folder + "/" + name;
    }
    return chosen;
}

void load_clnf(t_team& team, int with_shadow) {
    const std::string chosen = clnf_file(team);
    if (!chosen.empty()) {
        const size_t slash = chosen.rfind('/');
        team.clnf = load_image_from(chosen.substr(0, slash), chosen.substr(slash + 1), EDITABLE_IMAGE, CREST_MASK);
    } else {
        const t_kit first = team.kits.empty() ? t_kit{} : team.kits.front();
        team.clnf = load_image_from("images/logos/std", kit_style_name(first.style) + ".png", EDITABLE_IMAGE, CREST_MASK);
        render_image(first, team.clnf);
    }
    if (with_shadow == 1 && team.national == 0) team.clnf_sh = make_shadow(copy_image(team.clnf), CLUB_SHADOW);
}
