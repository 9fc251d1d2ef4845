#pragma once
// The mouse as the menus see it: this frame's and the previous frame's pointer and buttons.
#include <cstdint>

// This frame's pointer and buttons in x0, y0, button10, button20; the previous frame's in x, y, button1, button2.
class t_mouse {
public:
    void poll();

    int32_t x = 0, x0 = 0, y = 0, y0 = 0, moved = 0;
    int32_t button1 = 0, button10 = 0, button2 = 0, button20 = 0;
};
