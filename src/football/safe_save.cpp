#include "football/safe_save.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_places.hpp"

namespace {
std::string failure(const std::string& path, int error) { return path + ": " + std::strerror(error); }

// Marked read-only by its owner, even for a user (such as root) the system would let write it.
int read_only_error(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return 0;
    if (::access(path.c_str(), W_OK) != 0) return errno;
    return (st.st_mode & 0222) == 0 ? EACCES : 0;
}

// A growable byte buffer behind a FILE*, so the streams' writers can fill it; seeking
// back and writing over earlier bytes keeps everything after them.
struct t_memory_file {
    std::vector<uint8_t> bytes;
    size_t position = 0;

    static ssize_t write(void* cookie, const char* data, size_t size) {
        auto& m = *static_cast<t_memory_file*>(cookie);
        if (m.bytes.size() < m.position + size) m.bytes.resize(m.position + size);
        std::memcpy(m.bytes.data() + m.position, data, size);
        m.position += size;
        return static_cast<ssize_t>(size);
    }

    static int seek(void* cookie, off64_t* offset, int whence) {
        auto& m = *static_cast<t_memory_file*>(cookie);
        const auto base = static_cast<off64_t>(whence == SEEK_SET ? 0 : whence == SEEK_CUR ? m.position : m.bytes.size());
        if (base + *offset < 0) return -1;
        m.position = static_cast<size_t>(base + *offset);
        *offset = static_cast<off64_t>(m.position);
        return 0;
    }
};

// Closes the descriptor unless the save got as far as closing it itself.
class t_temporary_file {
public:
    explicit t_temporary_file(std::string path)
        : path_(std::move(path)), fd_(::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644)) {}
    ~t_temporary_file() {
        if (fd_ >= 0) ::close(fd_);
        if (!kept_) ::unlink(path_.c_str());
    }
    t_temporary_file(const t_temporary_file&) = delete;
    t_temporary_file& operator=(const t_temporary_file&) = delete;

    bool opened() const { return fd_ >= 0; }

    int write_all(const std::vector<uint8_t>& bytes) const {
        size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
            if (n < 0) {
                if (errno == EINTR) continue;
                return errno;
            }
            done += static_cast<size_t>(n);
        }
        return 0;
    }

    int sync_and_close() {
        const int synced = ::fsync(fd_) != 0 ? errno : 0;
        const int closed = ::close(fd_) != 0 ? errno : 0;
        fd_ = -1;
        return synced != 0 ? synced : closed;
    }

    int rename_over(const std::string& target) {
        if (::rename(path_.c_str(), target.c_str()) != 0) return errno;
        kept_ = true;
        return 0;
    }

private:
    std::string path_;
    int fd_;
    bool kept_ = false;
};
} // namespace

std::string temporary_path(const std::string& path) { return path + ".tmp"; }

std::vector<uint8_t> written_bytes(const std::function<void(t_stream&)>& write) {
    t_memory_file memory;
    cookie_io_functions_t functions{};
    functions.write = t_memory_file::write;
    functions.seek = t_memory_file::seek;
    std::FILE* file = ::fopencookie(&memory, "wb", functions);
    if (file == nullptr) return {};
    {
        auto out = t_stream::for_writing(file);
        write(*out);
        out->close();
    }
    return std::move(memory.bytes);
}

std::string write_file_atomically(const std::string& path, const std::vector<uint8_t>& bytes) {
    const std::string wanted = strip_stream_prefix(path);
    if (std::string error = make_room_for(wanted); !error.empty()) return error;
    const std::string target = writable_path(wanted);
    if (const int error = read_only_error(target); error != 0) return failure(target, error);
    t_temporary_file temporary(temporary_path(target));
    if (!temporary.opened()) return failure(target, errno);
    if (const int error = temporary.write_all(bytes); error != 0) return failure(target, error);
    if (const int error = temporary.sync_and_close(); error != 0) return failure(target, error);
    if (const int error = temporary.rename_over(target); error != 0) return failure(target, error);
    return "";
}

std::string save_replacing_reporting(const std::string& path, const std::function<void(t_stream&)>& write) {
    return write_file_atomically(path, written_bytes(write));
}

bool save_replacing(const std::string& path, const std::function<void(t_stream&)>& write) {
    return save_replacing_reporting(path, write).empty();
}
