#pragma once
// A stand-in for a screen not in the game yet.
#include <string>

#include "core/game_mode.hpp"

// Stands in for a screen that is not in the game yet: says so, Escape goes back to the intro.
class t_not_built_screen : public t_game_mode {
public:
    t_not_built_screen(int mode, std::string class_name);
    void update() override;
    void render() override;

    int mode;
    std::string class_name;
};
