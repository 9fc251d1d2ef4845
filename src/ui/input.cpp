#include "ui/input.hpp"

#include "ui/menu_input.hpp"

std::array<t_input, 2> inputs;

namespace {
t_input& side(int i) { return inputs.at(static_cast<size_t>(i)); }

void smooth(int32_t now, int32_t& before, int32_t earlier) {
    if (before != now && before != earlier) before = earlier;
}
} // namespace

void input_shift(int i) {
    t_input& in = side(i);
    in.x2 = in.x1;
    in.x1 = in.x0;
    in.y2 = in.y1;
    in.y1 = in.y0;
    in.fire11 = in.fire10;
    in.fire21 = in.fire20;
}

void input_read(int i) {
    t_input& in = side(i);
    in.x0 = device_x(in.dev);
    in.y0 = device_y(in.dev);
    in.fire10 = device_fire1(in.dev);
    in.fire20 = device_fire2(in.dev);
    smooth(in.x0, in.x1, in.x2);
    smooth(in.y0, in.y1, in.y2);
}

void input_reset(int i) {
    t_input& in = side(i);
    in.x0 = in.x1 = in.x2 = 0;
    in.y0 = in.y1 = in.y2 = 0;
    in.fire10 = in.fire11 = in.fire20 = in.fire21 = 0;
}
