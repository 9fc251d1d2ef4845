#pragma once
// How well the computer plays an ENHANCED match, and its names in files, on the command line and on screen.
#include <optional>
#include <string>

enum class t_computer_level { easy, normal, hard };

// "easy" / "normal" / "hard": the options file and the command line.
std::string computer_level_key(t_computer_level level);
// Any of the keys in any case; nothing for another text.
std::optional<t_computer_level> parse_computer_level(const std::string& text);
// "EASY" / "NORMAL" / "HARD": the dictionary keys the options screen shows.
std::string computer_level_caption(t_computer_level level);
