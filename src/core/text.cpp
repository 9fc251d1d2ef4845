#include "core/text.hpp"

std::vector<uint32_t> decode_utf8(const std::string& text) {
    std::vector<uint32_t> out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<uint8_t>(text[i]);
        uint32_t code = c;
        size_t extra = 0;
        if (c >= 0xF0) {
            code = c & 0x07;
            extra = 3;
        } else if (c >= 0xE0) {
            code = c & 0x0F;
            extra = 2;
        } else if (c >= 0xC0) {
            code = c & 0x1F;
            extra = 1;
        } else if (c >= 0x80) {
            // A stray continuation byte: keep it as the Latin-1 character it would be.
            out.push_back(c);
            ++i;
            continue;
        }
        bool ok = true;
        for (size_t k = 1; k <= extra; ++k) {
            if (i + k >= text.size() || (static_cast<uint8_t>(text[i + k]) & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            code = (code << 6) | (static_cast<uint8_t>(text[i + k]) & 0x3F);
        }
        if (!ok) {
            out.push_back(c);
            ++i;
            continue;
        }
        out.push_back(code);
        i += extra + 1;
    }
    return out;
}

std::string encode_utf8(uint32_t code) {
    std::string s;
    if (code < 0x80) {
        s.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        s.push_back(static_cast<char>(0xC0 | (code >> 6)));
        s.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        s.push_back(static_cast<char>(0xE0 | (code >> 12)));
        s.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        s.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        s.push_back(static_cast<char>(0xF0 | (code >> 18)));
        s.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        s.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        s.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
    return s;
}

std::string encode_utf8(const std::vector<uint32_t>& codes) {
    std::string s;
    s.reserve(codes.size());
    for (const uint32_t c : codes) s += encode_utf8(c);
    return s;
}

size_t text_length(const std::string& text) { return decode_utf8(text).size(); }

std::string latin1_to_utf8(const std::string& bytes) {
    std::string s;
    s.reserve(bytes.size());
    for (const char ch : bytes) s += encode_utf8(static_cast<uint8_t>(ch));
    return s;
}

std::string utf8_to_latin1(const std::string& text) {
    std::string s;
    for (const uint32_t c : decode_utf8(text)) s.push_back(c < 256 ? static_cast<char>(c) : '?');
    return s;
}

std::string utf16le_to_utf8(const std::vector<uint8_t>& bytes, size_t offset) {
    std::vector<uint32_t> codes;
    for (size_t i = offset; i + 1 < bytes.size(); i += 2) {
        uint32_t unit = bytes[i] | (bytes[i + 1] << 8);
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
            const uint32_t low = bytes[i + 2] | (bytes[i + 3] << 8);
            if (low >= 0xDC00 && low < 0xE000) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        codes.push_back(unit);
    }
    return encode_utf8(codes);
}

uint32_t latin1_upper(uint32_t code) {
    if (code >= 'a' && code <= 'z') return code - 32;
    if (code >= 224 && code <= 254 && code != 247) return code - 32;
    return code;
}

std::string trim(const std::string& text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    size_t a = 0;
    size_t b = text.size();
    while (a < b && blank(text[a])) ++a;
    while (b > a && blank(text[b - 1])) --b;
    return text.substr(a, b - a);
}

std::string to_upper_ascii(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return text;
}

std::string to_lower_ascii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return text;
}
