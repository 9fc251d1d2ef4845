#pragma once
// The intro and the copying and warranty notices.
#include <array>
#include <string>

#include "core/game_mode.hpp"

class MenuIntro : public t_game_mode {
public:
    MenuIntro();
    void update() override;
    void render() override;

    std::array<std::string, 6> lines;
};

class MenuWarranty : public t_game_mode {
public:
    MenuWarranty();
    void update() override;
    void render() override;

    std::array<std::string, 21> lines;
};

class MenuCopying : public t_game_mode {
public:
    static constexpr int LINE_COUNT = 198;
    static constexpr int VISIBLE_LINES = 31;

    MenuCopying();
    void update() override;
    void render() override;

    std::array<std::string, LINE_COUNT> lines;
    int count = LINE_COUNT;
    int offset = 0;
};
