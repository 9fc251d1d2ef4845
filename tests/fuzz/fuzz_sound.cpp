// WAV and Ogg Vorbis decoding.
#include "platform/sound.hpp"
#include "fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::run([&] { (void)decode_sound(fuzz::bytes_of(data, size), 0); });
    return 0;
}
