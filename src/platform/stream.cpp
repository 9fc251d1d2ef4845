#include "platform/stream.hpp"

#include <cstring>

#include "platform/fatal.hpp"
#include "platform/file_places.hpp"

std::unique_ptr<t_stream> t_stream::for_reading(std::vector<uint8_t> bytes) {
    std::unique_ptr<t_stream> s(new t_stream());
    s->bytes_ = std::move(bytes);
    return s;
}

std::unique_ptr<t_stream> t_stream::for_writing(std::FILE* file) {
    std::unique_ptr<t_stream> s(new t_stream());
    s->file_ = file;
    return s;
}

t_stream::~t_stream() { close(); }

void t_stream::close() {
    if (file_ != nullptr) {
        const bool failed = std::fclose(file_) != 0;
        file_ = nullptr;
        if (failed) runtime_error("Error writing to stream");
    }
}

bool t_stream::eof() const { return file_ == nullptr && pos_ >= bytes_.size(); }

size_t t_stream::size() const { return file_ != nullptr ? pos_ : bytes_.size(); }

void t_stream::seek(size_t pos) {
    if (file_ != nullptr) {
        if (std::fseek(file_, static_cast<long>(pos), SEEK_SET) != 0) runtime_error("Error writing to stream");
        pos_ = pos;
        return;
    }
    pos_ = pos > bytes_.size() ? bytes_.size() : pos;
}

void t_stream::read_bytes(uint8_t* out, size_t count) {
    if (file_ != nullptr || count > bytes_.size() - pos_) runtime_error("Error reading from stream");
    std::memcpy(out, bytes_.data() + pos_, count);
    pos_ += count;
}

uint8_t t_stream::read_byte() {
    uint8_t b = 0;
    read_bytes(&b, 1);
    return b;
}

uint16_t t_stream::read_short() {
    uint8_t b[2];
    read_bytes(b, 2);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

int32_t t_stream::read_int() {
    uint8_t b[4];
    read_bytes(b, 4);
    const uint32_t v = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
    return static_cast<int32_t>(v);
}

float t_stream::read_float() {
    const int32_t i = read_int();
    float f = 0;
    std::memcpy(&f, &i, 4);
    return f;
}

void t_stream::write_bytes(const uint8_t* data, size_t count) {
    if (file_ == nullptr || std::fwrite(data, 1, count, file_) != count) runtime_error("Error writing to stream");
    pos_ += count;
}

void t_stream::write_byte(uint8_t value) { write_bytes(&value, 1); }

void t_stream::write_short(uint16_t value) {
    const uint8_t b[2] = {static_cast<uint8_t>(value & 0xFF), static_cast<uint8_t>(value >> 8)};
    write_bytes(b, 2);
}

void t_stream::write_int(int32_t value) {
    const auto v = static_cast<uint32_t>(value);
    const uint8_t b[4] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
                          static_cast<uint8_t>(v >> 24)};
    write_bytes(b, 4);
}

void t_stream::write_float(float value) {
    int32_t i = 0;
    std::memcpy(&i, &value, 4);
    write_int(i);
}

std::string t_stream::read_line() {
    std::string line;
    while (pos_ < bytes_.size()) {
        const uint8_t b = bytes_[pos_++];
        if (b == 10 || b == 0) break;
        if (b == 13) continue;
        line.push_back(static_cast<char>(b));
    }
    return line;
}

void t_stream::write_line(const std::string& text) {
    write_bytes(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    const uint8_t crlf[2] = {13, 10};
    write_bytes(crlf, 2);
}

std::string strip_stream_prefix(const std::string& path) {
    static const std::string prefix = "littleendian::";
    return path.rfind(prefix, 0) == 0 ? path.substr(prefix.size()) : path;
}

bool load_file_bytes(const std::string& path, std::vector<uint8_t>& out) {
    std::FILE* f = std::fopen(readable_path(strip_stream_prefix(path)).c_str(), "rb");
    if (f == nullptr) return false;
    out.clear();
    uint8_t buf[65536];
    size_t n = 0;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.insert(out.end(), buf, buf + n);
    const bool ok = std::ferror(f) == 0;
    std::fclose(f);
    return ok;
}

t_stream_ref read_file(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (!load_file_bytes(path, bytes)) return nullptr;
    return t_stream::for_reading(std::move(bytes));
}

t_stream_ref write_file(const std::string& path) {
    const std::string wanted = strip_stream_prefix(path);
    if (!make_room_for(wanted).empty()) return nullptr;
    std::FILE* f = std::fopen(writable_path(wanted).c_str(), "wb");
    if (f == nullptr) return nullptr;
    return t_stream::for_writing(f);
}

t_stream_ref open_bytes(std::vector<uint8_t> bytes) { return t_stream::for_reading(std::move(bytes)); }
