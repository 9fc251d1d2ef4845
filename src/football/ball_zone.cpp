#include "football/ball_zone.hpp"

#include <algorithm>
#include <cmath>

#include "core/settings.hpp"
#include "platform/maths.hpp"

namespace {
int rounded(double v) { return static_cast<int>(round_half_away(v)); }
} // namespace

int zone_column(double x) { return std::clamp(rounded(x / ZONE_WIDTH), -2, 2); }
int zone_row(double y) { return std::clamp(rounded(y / ZONE_HEIGHT), -3, 3); }
int zone_index(int zone_x, int zone_y) { return CENTRE_ZONE + zone_x + 5 * zone_y; }
int mirrored_zone_index(int zone_x, int zone_y) { return CENTRE_ZONE - (zone_x + 5 * zone_y); }

double zone_offset(double coordinate, double zone_size) {
    return std::fmod(std::fmod(coordinate, zone_size) / zone_size + 1.5, 1.0) - 0.5;
}

int next_zone_column(int zone_x, double angle) { return std::clamp(zone_x + rounded(cos_deg(angle)), -2, 2); }
int next_zone_row(int zone_y, double angle) { return std::clamp(zone_y + rounded(sin_deg(angle)), -3, 3); }
