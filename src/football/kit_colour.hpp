#pragma once
// Player, hair and kit pictures recoloured for a team: skin, hair and kit colour lists.
#include <string>

#include "football/colour.hpp"
#include "football/kit.hpp"
#include "football/player.hpp"
#include "football/team.hpp"
#include "platform/image.hpp"

// Kits, skins and hair onto the template-coloured pictures, and the team
// pictures with their fall-backs.

constexpr int EDITABLE_IMAGE = MASKED_IMAGE | DYNAMIC_IMAGE;
constexpr int CREST_MASK = 0xFF3399;
constexpr int CLUB_SHADOW = 0x002400;
constexpr int FACE_SHADOW = 0x242424;

// The 16 pairs template shade -> kit colour shade: shirt1, shirt2, shorts, socks.
void add_kit_colors(const t_kit& kit, t_color_replacement_list& list);
// The same 16 replacements, pixel by pixel.
void render_image(const t_kit& kit, const t_image_ref& image);

void add_skin_colors(const t_player& player, t_color_replacement_list& list);
// Three hair shades, or two for the short crop (its colour depends on the skin too).
void add_hair_colors(const t_player& player, t_color_replacement_list& list);

int hair_type_code(const t_player& player);

// Sprite sheet of `kind` for the team in its worn kit: a custom picture when
// the team has one, else "images/<kind>/<style>.png".
std::string get_image_path(const t_team& team, const std::string& kind);

// Match sprite sheet (kit and skin) and hair sheet of a player of `team`.
t_image_ref load_player_image(const t_player& player, const t_team& team);
t_image_ref load_hair(const t_player& player);
// What those two load: the sheet's file and the colours written into its palette.
std::string player_image_path(const t_player& player, const t_team& team);
t_color_replacement_list player_image_colours(const t_player& player, const t_team& team);
std::string hair_image_path(const t_player& player);
t_color_replacement_list hair_image_colours(const t_player& player);

struct t_face {
    t_image_ref face;
    t_image_ref facesh;
};
t_face create_face(const t_player& player);

// Club crest or national flag, falling back on the standard crest of the
// first kit's style; clubs get a shadow copy when asked.
void load_clnf(t_team& team, int with_shadow);
// The team's own crest or flag file (folder and name), "" when it has none and the standard shield stands in.
std::string clnf_file(const t_team& team);
