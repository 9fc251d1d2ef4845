// The crowd layout of the stadium, and the filter the match drawing applies to it.
#include <filesystem>

#include "match/draw/crowd.hpp"
#include "match/draw/match_images.hpp"
#include "fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::scratch();
    std::filesystem::create_directories("images/stadium");
    fuzz::put_file("images/stadium/crowd.txt", data, size);
    fuzz::run([] {
        int drawable = 0;
        for (const t_crowd& c : load_crowd_layout())
            if (c.typ >= 0 && c.typ < CROWD_PIECES && c.rank >= 0) ++drawable;
        (void)drawable;
    });
    return 0;
}
