#pragma once
// The dark translucent panel behind text drawn over the pitch or the crowd.
#include <string>

// Darkens x .. x + w, y .. y + h so that white text on it reads on any pitch, in any weather; the colour
// afterwards is full white scaled by the fade.
void draw_overlay_backing(int x, int y, int w, int h);
// The same behind every line of a text of the small (10) or large (14) font, anchored and aligned
// as the text functions anchor it (-1 right, 0 centred, 1 left).
void draw_text_backing(const std::string& text, int x, int y, int size, int align);
