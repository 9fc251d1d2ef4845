// Team catalogues.
#include "football/catalogue.hpp"
#include "fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::run([&] { read_team_catalogue(fuzz::bytes_of(data, size)); });
    return 0;
}
