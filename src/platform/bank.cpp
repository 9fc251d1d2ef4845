#include "platform/bank.hpp"

#include "platform/fatal.hpp"

void t_bank::check(size_t offset, size_t count) const {
    if (offset + count > bytes_.size() || offset + count < offset) runtime_error("Bank access out of range");
}

uint8_t t_bank::peek_byte(size_t offset) const {
    check(offset, 1);
    return bytes_[offset];
}

void t_bank::poke_byte(size_t offset, uint8_t value) {
    check(offset, 1);
    bytes_[offset] = value;
}

uint16_t t_bank::peek_short(size_t offset) const {
    check(offset, 2);
    return static_cast<uint16_t>(bytes_[offset] | (bytes_[offset + 1] << 8));
}

void t_bank::poke_short(size_t offset, uint16_t value) {
    check(offset, 2);
    bytes_[offset] = static_cast<uint8_t>(value & 0xFF);
    bytes_[offset + 1] = static_cast<uint8_t>(value >> 8);
}

int32_t t_bank::peek_int(size_t offset) const {
    check(offset, 4);
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | bytes_[offset + static_cast<size_t>(i)];
    return static_cast<int32_t>(v);
}

void t_bank::poke_int(size_t offset, int32_t value) {
    check(offset, 4);
    auto v = static_cast<uint32_t>(value);
    for (size_t i = 0; i < 4; ++i) {
        bytes_[offset + i] = static_cast<uint8_t>(v & 0xFF);
        v >>= 8;
    }
}
