// The flag-code list.
#include "core/loaders.hpp"
#include "fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::run([&] {
        std::vector<std::string> codes;
        parse_flag_codes(fuzz::bytes_of(data, size), codes);
        if (codes.size() > 256) std::abort();
        for (const std::string& c : codes)
            if (c.size() != 3) std::abort();
    });
    return 0;
}
