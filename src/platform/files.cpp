#include "platform/files.hpp"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <vector>

#include "platform/file_places.hpp"
#include "platform/stream.hpp"

namespace {
std::vector<std::string> folder_names(const std::string& path) {
    std::vector<std::string> names;
    DIR* d = opendir(path.c_str());
    if (d == nullptr) return names;
    while (const dirent* e = readdir(d)) {
        const std::string name = e->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    closedir(d);
    return names;
}
} // namespace

int file_type(const std::string& path) {
    struct stat st {};
    if (stat(readable_path(path).c_str(), &st) != 0) return 0;
    if (S_ISDIR(st.st_mode)) return 2;
    if (S_ISREG(st.st_mode)) return 1;
    return 0;
}

std::vector<std::string> list_dir(const std::string& path) {
    const std::string own = player_copy_path(path);
    if (own.empty()) return folder_names(path);
    std::vector<std::string> names = folder_names(own);
    for (std::string& name : folder_names(path))
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(std::move(name));
    return names;
}

t_dir read_dir(const std::string& path) { return t_dir(list_dir(path)); }

bool copy_file_bytes(const std::string& from, const std::string& to) {
    std::vector<uint8_t> bytes;
    if (!load_file_bytes(from, bytes)) return false;
    auto out = write_file(to);
    if (!out) return false;
    out->write_bytes(bytes.data(), bytes.size());
    out->close();
    return true;
}
