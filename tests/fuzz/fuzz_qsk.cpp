// Key-name files.
#include "core/keycodes.hpp"
#include "fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::run([&] {
        t_keycode_table table{};
        parse_key_names(fuzz::bytes_of(data, size), table);
    });
    return 0;
}
