#pragma once
// The warning before a new competition replaces the one in progress.
#include <string>
#include <vector>

#include "core/game_mode.hpp"

// The message cut into lines of at most `width` characters at blanks.
std::vector<std::string> wrap_words(const std::string& text, size_t width);

// Before a new design: the competition in progress would be lost.
class MenuCompetitionWarning : public t_game_mode {
public:
    MenuCompetitionWarning();
    void bc_continue();
};
