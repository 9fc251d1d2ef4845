#pragma once
#include <functional>
#include <string>

#include "platform/stream.hpp"

// The temporary file a save goes to before it replaces `path`.
std::string temporary_path(const std::string& path);

// Writes through `write` into a temporary file in the same folder, then renames
// it over `path`, so a crash or a full disk mid-save leaves the old file whole.
// False (the old file untouched) when the temporary file cannot be created or
// renamed; a failed write stops the game before anything is replaced.
bool save_replacing(const std::string& path, const std::function<void(t_stream&)>& write);
