#pragma once
// The screens' game folder with the team files and the tactics folder as real
// copies, so the editors can write them, plus the tables the editors read.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../main_menu/screen_test_support.hpp"
#include "core/loaders.hpp"

namespace editor_test {

namespace fs = std::filesystem;

class editor_folder : public screen_test::game_folder {
public:
    editor_folder() {
        for (const auto& e : fs::directory_iterator(path() / "data")) {
            if (!fs::is_symlink(e.path())) continue;
            const fs::path target = fs::read_symlink(e.path());
            fs::remove(e.path());
            fs::copy(target, e.path(), fs::copy_options::recursive);
        }
        const fs::path tactics_link = path() / "tactics";
        const fs::path target = fs::read_symlink(tactics_link);
        fs::remove(tactics_link);
        fs::copy(target, tactics_link, fs::copy_options::recursive);
        read_flag_codes();
    }
};

inline std::string file_bytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The text of a team file with the block of team `number` cut out.
inline std::string without_block(const std::string& file, int number) {
    char head[8];
    std::snprintf(head, sizeof head, "%03d", number);
    size_t at = std::string::npos;
    for (size_t p = file.find('#'); p != std::string::npos; p = file.find('#', p + 1))
        if (file.compare(p + 10, 3, head) == 0) at = p;
    if (at == std::string::npos) return file;
    const size_t end = file.find('#', at + 1);
    return file.substr(0, at) + (end == std::string::npos ? "" : file.substr(end));
}

} // namespace editor_test
