#include "match/players/player_heading.hpp"

#include <cmath>
#include <vector>

#include "core/settings.hpp"
#include "platform/maths.hpp"

namespace {
constexpr int SIDE = 2 * HEADING_REACH + 1;

class t_heading_table {
public:
    t_heading_table() : cells(static_cast<size_t>(SIDE) * SIDE) {
        for (int dy = -HEADING_REACH; dy <= HEADING_REACH; ++dy)
            for (int dx = -HEADING_REACH; dx <= HEADING_REACH; ++dx) cells[index(dx, dy)] = heading_of(dx, dy);
    }
    const t_heading& at(int dx, int dy) const { return cells[index(dx, dy)]; }

private:
    static size_t index(int dx, int dy) { return static_cast<size_t>((dy + HEADING_REACH) * SIDE + dx + HEADING_REACH); }
    std::vector<t_heading> cells;
};

const t_heading_table& table() {
    static const t_heading_table t;
    return t;
}
} // namespace

t_heading heading_of(double dx, double dy) {
    t_heading h;
    h.a = std::fmod(atan2_deg(dy, dx) + 360, 360);
    h.cos = cos_deg(h.a);
    h.sin = sin_deg(h.a);
    h.fmx = std::fmod(round_half_away(std::fmod(h.a + 360, 360) / 45), 8);
    return h;
}

t_heading heading_to(double dx, double dy) {
    if (std::fabs(dx) > HEADING_REACH || std::fabs(dy) > HEADING_REACH) return heading_of(dx, dy);
    return table().at(static_cast<int>(dx), static_cast<int>(dy));
}
