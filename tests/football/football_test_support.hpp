#pragma once
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "core/dictionary.hpp"
#include "core/globals.hpp"

namespace football_test {

inline std::string assets_dir() { return QUILBO_SOURCE_ASSETS; }

inline std::vector<uint8_t> file_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void write_bytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// Lines joined with CR LF, as the game writes them.
inline std::string crlf(std::initializer_list<std::string> lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\r\n";
    return s;
}

// A scratch working directory with an empty data/ folder; the old working
// directory comes back when it goes.
class scratch_dir {
public:
    scratch_dir() {
        char pattern[] = "/tmp/quilbo_football_XXXXXX";
        path_ = mkdtemp(pattern);
        old_ = std::filesystem::current_path();
        std::filesystem::create_directories(path_ / "data");
        std::filesystem::current_path(path_);
    }
    ~scratch_dir() {
        std::filesystem::current_path(old_);
        std::filesystem::remove_all(path_);
    }
    scratch_dir(const scratch_dir&) = delete;
    scratch_dir& operator=(const scratch_dir&) = delete;

private:
    std::filesystem::path path_;
    std::filesystem::path old_;
};

// Runs with the shipped assets as working directory.
class in_assets {
public:
    in_assets() : old_(std::filesystem::current_path()) { std::filesystem::current_path(assets_dir()); }
    ~in_assets() { std::filesystem::current_path(old_); }
    in_assets(const in_assets&) = delete;
    in_assets& operator=(const in_assets&) = delete;

private:
    std::filesystem::path old_;
};

// A dictionary that translates each given key to itself.
class identity_dictionary {
public:
    explicit identity_dictionary(std::initializer_list<std::string> keys) {
        saved_ = std::move(dictionary);
        dictionary = std::make_unique<t_dictionary>();
        for (const auto& k : keys) dictionary->map[k] = k;
    }
    ~identity_dictionary() { dictionary = std::move(saved_); }
    identity_dictionary(const identity_dictionary&) = delete;
    identity_dictionary& operator=(const identity_dictionary&) = delete;

private:
    std::unique_ptr<t_dictionary> saved_;
};

} // namespace football_test
