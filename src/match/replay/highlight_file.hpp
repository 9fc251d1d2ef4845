#pragma once
// A match's highlights kept on disk ("replays/<date-time>.qhl"): who played in what, where, and the samples.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "football/kit.hpp"

constexpr uint16_t HIGHLIGHT_FILE_VERSION = 1;

// What a watcher needs to draw a player: shirt number, role, skin and hair.
struct t_saved_player {
    int nr = 0;
    int pt = 0;
    int sk = 0;
    int ht = 0;
    int hc = 0;
    bool operator==(const t_saved_player&) const = default;
};

struct t_saved_team {
    std::string name;
    t_kit kit;
    std::array<t_saved_player, 11> players{};
};

class t_highlight_file {
public:
    std::string date;
    std::array<t_saved_team, 2> teams;
    int pitch_type = 0;
    int time = 0;
    int sky = 0;
    int weather_effect = 0;
    int weather_intensity = 0;
    // Whole highlight slots, the oldest first.
    std::vector<uint8_t> samples;

    int count() const;
};

std::vector<uint8_t> encode_highlight_file(const t_highlight_file& file);
// "" when `bytes` are a whole highlight file of this version, else what is wrong with them.
std::string decode_highlight_file(const std::vector<uint8_t>& bytes, t_highlight_file& out);

// The match in progress and its stored highlights, in the order they are shown.
t_highlight_file current_match_highlights(const std::string& date);
// Writes the match's highlights to a new file in `folder`; returns its path, or "" with `error` set.
std::string save_match_highlights(const std::string& folder, std::string& error);
