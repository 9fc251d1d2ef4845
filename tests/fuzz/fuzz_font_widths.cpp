// Font width tables, and text laid out with what they give.
#include "core/fonts.hpp"
#include "fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::run([&] {
        parse_font_widths(fuzz::bytes_of(data, size), font_widths_10);
        parse_font_widths(fuzz::bytes_of(data, size), font_widths_14);
        const std::string text = "Quilbo \xC3\xA9\r\nRovudo \xE2\x82\xAC";
        (void)layout_text(text, 100, 10, 0, 10);
        (void)layout_text(text, 100, 10, -1, 14);
        (void)text_width(text, 10);
    });
    return 0;
}
