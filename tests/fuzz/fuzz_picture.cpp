// PNG and JPEG decoding.
#include "platform/pixmap.hpp"
#include "fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::run([&] { (void)decode_picture(fuzz::bytes_of(data, size)); });
    return 0;
}
