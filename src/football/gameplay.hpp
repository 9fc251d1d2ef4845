#pragma once
// The two ways a match can be played, and their names in files, on the command line and on screen.
#include <optional>
#include <string>

enum class t_gameplay { classic, enhanced };

// "classic" / "enhanced": the options file and the command line.
std::string gameplay_key(t_gameplay gameplay);
// Either key in any case; nothing for another text.
std::optional<t_gameplay> parse_gameplay(const std::string& text);
// "CLASSIC" / "ENHANCED": the dictionary keys the options screen shows.
std::string gameplay_caption(t_gameplay gameplay);
