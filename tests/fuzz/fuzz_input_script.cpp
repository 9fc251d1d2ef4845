// Scripted input files, loaded and played to the end.
#include <climits>

#include "platform/input.hpp"
#include "fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::put_file("fuzz_script.txt", data, size);
    fuzz::run([] {
        load_input_script("fuzz_script.txt");
        apply_script_events(INT_MAX);
        apply_script_events(static_cast<long>(INT_MAX) + 3);
        flush_keys();
        while (get_char() != 0) {
        }
    });
    return 0;
}
