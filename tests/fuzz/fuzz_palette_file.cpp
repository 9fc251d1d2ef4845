// Stadium palette files applied to a shipped pitch tile.
#include "football/colour.hpp"
#include "platform/pixmap.hpp"
#include "platform/stream.hpp"
#include "fuzz_support.hpp"

namespace {
const std::vector<uint8_t>& tile() {
    static const std::vector<uint8_t> bytes = [] {
        std::vector<uint8_t> b;
        if (!load_file_bytes(QUILBO_SOURCE_ASSETS "/images/stadium/generic_00.png", b)) std::abort();
        return b;
    }();
    return bytes;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t>& base = tile();
    fuzz::put_file("fuzz.pal", data, size);
    fuzz::run([&] {
        std::vector<uint8_t> png = base;
        apply_palette_file(png, "fuzz.pal");
        if (!decode_picture(png)) std::abort(); // a palette alone cannot spoil a good tile
    });
    return 0;
}
