// Language files.
#include "core/dictionary.hpp"
#include "fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::put_file("fuzz.po", data, size);
    fuzz::run([] {
        t_dictionary d;
        d.read_po("fuzz.po");
    });
    return 0;
}
