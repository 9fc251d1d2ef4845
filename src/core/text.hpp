#pragma once
// Text helpers: lengths, trimming, case and the conversions between 8-bit, UTF-8 and 16-bit text.
#include <cstdint>
#include <string>
#include <vector>

// Text in memory is UTF-8 (the fonts draw codes 0..1023); files keep their own
// encodings: team files and width tables are Latin-1 bytes, .qsk and .qsc are
// UTF-16LE, .po is UTF-8. These convert at the file boundary.

std::vector<uint32_t> decode_utf8(const std::string& text);
std::string encode_utf8(const std::vector<uint32_t>& codes);
std::string encode_utf8(uint32_t code);
// Number of characters (code points).
size_t text_length(const std::string& text);
std::string latin1_to_utf8(const std::string& bytes);
// Characters above 255 become '?'.
std::string utf8_to_latin1(const std::string& text);
// Starts at offset 0 of the bytes; a lone trailing byte is dropped.
std::string utf16le_to_utf8(const std::vector<uint8_t>& bytes, size_t offset = 0);
// Upper-casing of the Latin-1 range (entry fields): a-z and 224-254 except 247.
uint32_t latin1_upper(uint32_t code);
std::string trim(const std::string& text);
std::string to_upper_ascii(std::string text);
std::string to_lower_ascii(std::string text);
