#include "screens/editors/editor_layout.hpp"

t_colours squad_row_colours(int row, int squad_size, int bench_size, bool marked) {
    if (marked) return {0x993333, 0xC24242, 0x5A1E1E};
    if (row > squad_size) return {0x202020, 0x404040, 0x101010};
    if (row == 1) return {0x00A7DE, 0x33CCFF, 0x005F7E};
    if (row <= 11) return {0x003FDE, 0x255EFF, 0x00247E};
    if (row <= 11 + bench_size) return {0x111188, 0x2D2DB3, 0x001140};
    return {0x404040, 0x606060, 0x202020};
}
