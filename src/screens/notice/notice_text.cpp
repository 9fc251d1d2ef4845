#include "screens/notice/notice_text.hpp"

#include <algorithm>

#include "platform/graphics.hpp"

void draw_text_aligned(const std::string& text, float x, float y, int align) {
    const auto w = static_cast<float>(platform_text_width(text));
    if (align == -1) draw_text(text, x - w, y);
    else if (align == 0) draw_text(text, x - static_cast<float>(static_cast<int>(w) / 2), y);
    else if (align == 1) draw_text(text, x, y);
}

std::string restore_quotes(std::string line) {
    std::replace(line.begin(), line.end(), '%', '"');
    return line;
}
