#pragma once
// Scratch folders and file writers for the bad-data tests.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace hardening {

// A working directory of its own (with data/ and images/), left when it goes.
class scratch_dir {
public:
    scratch_dir() : old_(std::filesystem::current_path()) {
        char pattern[] = "/tmp/quilbo_hardening_XXXXXX";
        path_ = mkdtemp(pattern);
        for (const char* sub : {"data/calendars", "data/tables", "images", "language", "keycodes", "tactics"})
            std::filesystem::create_directories(path_ / sub);
        std::filesystem::current_path(path_);
    }
    ~scratch_dir() {
        std::filesystem::current_path(old_);
        std::filesystem::remove_all(path_);
    }
    scratch_dir(const scratch_dir&) = delete;
    scratch_dir& operator=(const scratch_dir&) = delete;

private:
    std::filesystem::path old_;
    std::filesystem::path path_;
};

inline void write_file(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

inline void write_file(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<uint8_t> read_file_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string asset(const std::string& relative) { return std::string(QUILBO_SOURCE_ASSETS) + "/" + relative; }

inline std::vector<uint8_t> bytes(const std::string& s) { return {s.begin(), s.end()}; }

} // namespace hardening
