// The settings file, then the start-up checks that make its values usable.
#include "core/settings.hpp"
#include "fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::put_file("quilbo_soccer.ini", data, size);
    fuzz::run([] {
        t_settings s;
        s.read(SETTINGS_VERSION, "quilbo_soccer.ini");
        s.write(SETTINGS_VERSION, "again.ini");
        t_settings back;
        back.read(SETTINGS_VERSION, "again.ini");
        if (back.language != s.language || back.key[1].button_2 != s.key[1].button_2) std::abort();
    });
    return 0;
}
