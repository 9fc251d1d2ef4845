#pragma once
// The crowd around the pitch: its layout file.
#include <string>
#include <vector>

#include "match/core/match_state.hpp"

// Reads the crowd layout text: a header line, then x, y, piece letter and rank in 6-character columns.
std::vector<t_crowd> parse_crowd_layout(const std::string& text);
// "images/stadium/crowd.txt"; fatal "Cannot load: " + path when missing.
std::vector<t_crowd> load_crowd_layout();
