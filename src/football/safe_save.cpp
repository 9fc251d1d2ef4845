#include "football/safe_save.hpp"

#include <filesystem>
#include <system_error>

std::string temporary_path(const std::string& path) { return path + ".tmp"; }

bool save_replacing(const std::string& path, const std::function<void(t_stream&)>& write) {
    const std::string target = strip_stream_prefix(path);
    const std::string temporary = temporary_path(target);
    {
        auto out = write_file(temporary);
        if (!out) return false;
        write(*out);
        out->close();
    }
    std::error_code error;
    std::filesystem::rename(temporary, target, error);
    if (!error) return true;
    std::filesystem::remove(temporary, error);
    return false;
}
