// Palette patching of indexed PNGs held in memory, then decoding the result.
#include "football/colour.hpp"
#include "platform/pixmap.hpp"
#include "fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::run([&] {
        std::vector<uint8_t> png = fuzz::bytes_of(data, size);
        t_color_replacement_list list;
        list.add(0x000000, 0xFFFFFF);
        list.add(0xE20020, 0x3033C1);
        recolour_palette(png, list);
        (void)decode_picture(png);
    });
    fuzz::run([&] {
        std::vector<uint8_t> png = fuzz::bytes_of(data, size);
        replace_palette(png, {0x102030, 0x405060});
        (void)decode_picture(png);
    });
    return 0;
}
