#include "match/overlays/box_frame.hpp"

#include <algorithm>
#include <array>

#include "platform/graphics.hpp"

namespace {
// How far each of the first rows of a corner is cut in from the edge; from row CORNER_ROWS on the
// side runs straight. Symmetric, so the same table serves the columns.
constexpr std::array<int, 5> CORNER_CUT{5, 3, 2, 1, 1};
constexpr int CORNER_ROWS = static_cast<int>(CORNER_CUT.size());
// Smallest box whose four corners do not overlap.
constexpr int SMALLEST_ROUNDED = 2 * CORNER_ROWS + 1;

void square_frame(std::vector<t_frame_stroke>& out, int x, int y, int w, int h) {
    const int r = x + w - 1;
    const int b = y + h - 1;
    out.push_back({x, y, r, y});
    if (b > y) out.push_back({x, b, r, b});
    if (b - y > 1) {
        out.push_back({x, y + 1, x, b - 1});
        if (r > x) out.push_back({r, y + 1, r, b - 1});
    }
}
} // namespace

std::vector<t_frame_stroke> box_frame_strokes(int x, int y, int w, int h) {
    std::vector<t_frame_stroke> out;
    if (w <= 0 || h <= 0) return out;
    if (w < SMALLEST_ROUNDED || h < SMALLEST_ROUNDED) {
        square_frame(out, x, y, w, h);
        return out;
    }
    const int r = x + w - 1;
    const int b = y + h - 1;
    const int cut = CORNER_CUT[0];
    out.push_back({x + cut, y, r - cut, y});
    out.push_back({x + cut, b, r - cut, b});
    out.push_back({x, y + cut, x, b - cut});
    out.push_back({r, y + cut, r, b - cut});
    // Rows 1 .. 4 of each corner: from the row's cut to the pixel before the previous row's cut,
    // so the curve stays 8-connected with no doubled pixels.
    for (int row = 1; row < CORNER_ROWS; ++row) {
        const int in = CORNER_CUT[static_cast<size_t>(row)];
        const int end = std::max(in, CORNER_CUT[static_cast<size_t>(row - 1)] - 1);
        out.push_back({x + in, y + row, x + end, y + row});
        out.push_back({r - end, y + row, r - in, y + row});
        out.push_back({x + in, b - row, x + end, b - row});
        out.push_back({r - end, b - row, r - in, b - row});
    }
    return out;
}

void draw_box_frame(int x, int y, int w, int h) {
    for (const t_frame_stroke& s : box_frame_strokes(x, y, w, h)) {
        if (s.x1 == s.x2 && s.y1 == s.y2)
            plot(static_cast<float>(s.x1), static_cast<float>(s.y1));
        else
            draw_line(static_cast<float>(s.x1), static_cast<float>(s.y1), static_cast<float>(s.x2),
                      static_cast<float>(s.y2));
    }
}
