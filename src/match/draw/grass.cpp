#include "match/draw/grass.hpp"

const std::array<t_grass_row, PITCH_TYPE_COUNT> grass_table = {{
    {"frozen", 0x709060, 0x809060, 0x909060, 0x58584C, 0x3C3C34, 0x887454, 0x989884, 4, 70},
    {"muddy", 0x505000, 0x605000, 0x705000, 0x5C3800, 0x442C00, 0x543C08, 0x9C6B02, 12, 55},
    {"wet", 0x309000, 0x309000, 0x709000, 0x486C00, 0x3C5800, 0x647C00, 0x84AC30, 6, 60},
    {"soft", 0x307000, 0x307000, 0x707000, 0x3C5800, 0x2C4400, 0x5C5800, 0x549424, 10, 60},
    {"normal", 0x609000, 0x709000, 0x909000, 0x486C00, 0x3C5800, 0x7C8000, 0x80A82C, 8, 65},
    {"dry", 0x709000, 0x809000, 0x909000, 0x486C00, 0x3C5800, 0x847800, 0x84B030, 6, 65},
    {"hard", 0x707000, 0x807000, 0x907000, 0x684C00, 0x463C00, 0x506400, 0xA87B00, 6, 70},
    {"snowed", 0x709060, 0x809060, 0x909060, 0x58584C, 0x3C3C34, 0x887454, 0x989884, 4, 70},
    {"white", 0x307000, 0x307000, 0x707000, 0x3C5800, 0x2C4400, 0x5C5800, 0x549424, 10, 60},
}};

const std::array<std::array<int, WEATHER_EFFECTS>, PITCH_TYPE_COUNT> weather_limits = {{
    {2, 0, 1, 0},
    {2, 2, 0, 2},
    {2, 2, 0, 2},
    {2, 1, 0, 2},
    {2, 0, 0, 2},
    {2, 0, 0, 0},
    {2, 0, 0, 2},
    {2, 0, 2, 2},
    {2, 0, 2, 2},
}};

t_grass make_grass(int grass_type, int weather_effect, int weather_intensity) {
    const t_grass_row& row = grass_table.at(static_cast<size_t>(grass_type));
    t_grass g;
    g.grass_type = grass_type;
    g.col1 = row.col1;
    g.col2 = row.col2;
    g.col3 = row.col3;
    g.sha1 = row.sha1;
    g.sha2 = row.sha2;
    g.u_gr = row.u_gr;
    g.u_ln = row.u_ln;
    int friction = row.friction;
    int bounce = row.bounce;
    if (weather_effect == WEATHER_RAIN) {
        friction -= weather_intensity;
        bounce -= 3 * weather_intensity;
    } else if (weather_effect == WEATHER_SNOW) {
        friction += weather_intensity;
        bounce -= 2 * weather_intensity;
    }
    g.friction = friction * FRICTION_SCALE;
    g.bounce = bounce;
    return g;
}

std::string pitch_palette_path(int grass_type, int time, int sky) {
    const std::string light = time == TIME_NIGHT ? "_night" : (sky == 0 ? "_sunny" : "_cloudy");
    return std::string("images/stadium/palettes/") + grass_table.at(static_cast<size_t>(grass_type)).name + light + ".pal";
}
