#include "core/mouse.hpp"

#include "platform/input.hpp"

void t_mouse::poll() {
    button1 = button10;
    button2 = button20;
    button10 = mouse_down(1) ? 1 : 0;
    button20 = mouse_down(2) ? 1 : 0;
    x = x0;
    y = y0;
    x0 = mouse_x();
    y0 = mouse_y();
    moved = (x != x0 || y != y0) ? 1 : 0;
}
