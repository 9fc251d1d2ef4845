#pragma once
// Drawing the notices' text.
#include <string>

// Text in the platform font: -1 ends at x, 0 centred on x, 1 starts at x; other values draw nothing.
void draw_text_aligned(const std::string& text, float x, float y, int align);
// The stored tables use '%' for each double quote.
std::string restore_quotes(std::string line);
