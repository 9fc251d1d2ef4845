#pragma once
// Shared by the fuzz targets: a fatal error ends only the current input, and
// readers that take a path get the input written into a scratch folder.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/fatal.hpp"

namespace fuzz {

struct t_fatal_stop {};

[[noreturn]] inline void throw_stop(const std::string& /*message*/) { throw t_fatal_stop{}; }

// Runs one input through `body`; the game's fatal errors are the expected
// outcome for bad data, anything else (a sanitizer report, an escaped
// exception, a real exit) is a finding.
template <class F> void run(F body) {
    set_fatal_hook(throw_stop); // runtime_error clears the hook before calling it
    try {
        body();
    } catch (const t_fatal_stop&) {
    }
    set_fatal_hook(nullptr);
}

// A private working directory, entered once, so readers that use relative
// paths ("data/...") find the fuzzed files.
inline const std::filesystem::path& scratch() {
    static const std::filesystem::path dir = [] {
        char pattern[] = "/tmp/quilbo_fuzz_XXXXXX";
        const char* made = mkdtemp(pattern);
        if (made == nullptr) std::abort();
        std::filesystem::path p = made;
        std::filesystem::create_directories(p / "data");
        std::filesystem::current_path(p);
        return p;
    }();
    return dir;
}

inline void put_file(const std::string& relative, const uint8_t* data, size_t size) {
    scratch();
    std::FILE* f = std::fopen(relative.c_str(), "wb");
    if (f == nullptr) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, f) != size) std::abort();
    std::fclose(f);
}

inline std::vector<uint8_t> bytes_of(const uint8_t* data, size_t size) { return {data, data + size}; }

} // namespace fuzz
