#pragma once
// A block of bytes read and written by offset (the highlights bank).
#include <cstdint>
#include <memory>
#include <vector>

// A zero-filled block of bytes; peeks and pokes out of range are fatal.
class t_bank {
public:
    explicit t_bank(size_t size = 0) : bytes_(size, 0) {}
    explicit t_bank(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}

    size_t size() const { return bytes_.size(); }
    void resize(size_t size) { bytes_.resize(size, 0); }
    uint8_t* data() { return bytes_.data(); }
    const uint8_t* data() const { return bytes_.data(); }
    const std::vector<uint8_t>& bytes() const { return bytes_; }
    std::vector<uint8_t>& bytes() { return bytes_; }

    uint8_t peek_byte(size_t offset) const;
    void poke_byte(size_t offset, uint8_t value);
    uint16_t peek_short(size_t offset) const;
    void poke_short(size_t offset, uint16_t value);
    int32_t peek_int(size_t offset) const;
    void poke_int(size_t offset, int32_t value);

private:
    void check(size_t offset, size_t count) const;
    std::vector<uint8_t> bytes_;
};

using t_bank_ref = std::shared_ptr<t_bank>;
inline t_bank_ref create_bank(size_t size) { return std::make_shared<t_bank>(size); }
