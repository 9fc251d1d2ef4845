#pragma once
// Saving files safely: write a temporary file, then replace the old one.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/stream.hpp"

// The temporary file a save goes to before it replaces `path`.
std::string temporary_path(const std::string& path);

// What `write` puts into a stream, collected in memory, so that a writer never
// meets a full disk half-way through its file.
std::vector<uint8_t> written_bytes(const std::function<void(t_stream&)>& write);

// Writes `bytes` to the temporary file, flushes them to the disk and renames
// them over `path`, so either the old or the new file is there. A file marked
// read-only is left alone. Returns "" or "path: reason".
std::string write_file_atomically(const std::string& path, const std::vector<uint8_t>& bytes);

// What `write` produces, saved over `path` as above. Returns "" or the reason.
std::string save_replacing_reporting(const std::string& path, const std::function<void(t_stream&)>& write);

// The same, for callers that only need to know whether the old file was replaced.
bool save_replacing(const std::string& path, const std::function<void(t_stream&)>& write);
