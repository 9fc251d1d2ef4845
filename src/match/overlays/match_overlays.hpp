#pragma once
// Everything drawn over the pitch picture, switched by the phase's display_* fields.
#include <string>

class t_match_mode;
class t_player;

// Screen coordinates; after the pitch, the sprites and the shirt numbers.
void draw_match_overlays(const t_match_mode& phase);
// Shirt number, a blank and the single name.
std::string player_caption(const t_player& player);
