#pragma once
// Byte streams over files: reading and writing bytes, numbers and lines.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

// Binary and 8-bit text streams, always little-endian. A reading stream holds
// the whole file in memory (the game's files are small); a writing stream
// goes straight to the file. Reading past the end and failed writes are fatal.
class t_stream {
public:
    static std::unique_ptr<t_stream> for_reading(std::vector<uint8_t> bytes);
    static std::unique_ptr<t_stream> for_writing(std::FILE* file);
    ~t_stream();
    t_stream(const t_stream&) = delete;
    t_stream& operator=(const t_stream&) = delete;

    bool eof() const;
    size_t position() const { return pos_; }
    size_t size() const;
    void seek(size_t pos);

    uint8_t read_byte();
    uint16_t read_short();
    int32_t read_int();
    float read_float();
    void read_bytes(uint8_t* out, size_t count);

    void write_byte(uint8_t value);
    void write_short(uint16_t value);
    void write_int(int32_t value);
    void write_float(float value);
    void write_bytes(const uint8_t* data, size_t count);

    // Bytes up to LF, a zero byte or the end; CR bytes are skipped.
    std::string read_line();
    // Each character as one byte, then CR LF.
    void write_line(const std::string& text);

    void close();

private:
    t_stream() = default;
    std::vector<uint8_t> bytes_;
    std::FILE* file_ = nullptr;
    size_t pos_ = 0;
};

using t_stream_ref = std::unique_ptr<t_stream>;

// The "littleendian::" prefix is accepted and ignored: every stream is little-endian.
std::string strip_stream_prefix(const std::string& path);
// None when the file cannot be opened.
t_stream_ref read_file(const std::string& path);
t_stream_ref write_file(const std::string& path);
t_stream_ref open_bytes(std::vector<uint8_t> bytes);
inline void close_file(t_stream_ref& stream) {
    if (stream) stream->close();
    stream.reset();
}

// Whole-file helpers; an empty optional-like result is signalled by the bool.
bool load_file_bytes(const std::string& path, std::vector<uint8_t>& out);
