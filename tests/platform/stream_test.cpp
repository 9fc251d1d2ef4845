#include <gtest/gtest.h>
#include <unistd.h>
#include <zlib.h>

#include <cstdio>

#include "core/loaders.hpp"
#include "platform/bank.hpp"
#include "platform/files.hpp"
#include "platform/stream.hpp"

namespace {
std::string temp_path(const char* name) { return std::string("/tmp/quilbo_test_") + std::to_string(getpid()) + name; }
} // namespace

TEST(Stream, LinesSkipCarriageReturnsAndStopAtZero) {
    const char raw[] = "one\r\ntwo\rstill\nthree\0four";
    auto s = open_bytes(std::vector<uint8_t>(raw, raw + sizeof raw - 1));
    EXPECT_EQ(s->read_line(), "one");
    EXPECT_EQ(s->read_line(), "twostill");
    EXPECT_EQ(s->read_line(), "three");
    EXPECT_EQ(s->read_line(), "four");
    EXPECT_TRUE(s->eof());
    EXPECT_EQ(s->read_line(), "");
}

TEST(Stream, BinaryRoundTripIsLittleEndian) {
    const std::string path = temp_path("bin");
    {
        auto out = write_file("littleendian::" + path);
        ASSERT_TRUE(out);
        out->write_int(-2);
        out->write_short(0x1234);
        out->write_byte(7);
        out->write_float(1.5f);
        out->write_line("ab");
    }
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(load_file_bytes(path, bytes));
    ASSERT_EQ(bytes.size(), 4u + 2 + 1 + 4 + 4);
    EXPECT_EQ(bytes[0], 0xFE);
    EXPECT_EQ(bytes[3], 0xFF);
    EXPECT_EQ(bytes[4], 0x34);
    EXPECT_EQ(bytes[13], 13);
    EXPECT_EQ(bytes[14], 10);
    auto in = read_file(path);
    EXPECT_EQ(in->read_int(), -2);
    EXPECT_EQ(in->read_short(), 0x1234);
    EXPECT_EQ(in->read_byte(), 7);
    EXPECT_FLOAT_EQ(in->read_float(), 1.5f);
    EXPECT_EQ(in->read_line(), "ab");
    std::remove(path.c_str());
}

TEST(Stream, MissingFilesGiveNoStream) {
    EXPECT_FALSE(read_file("/nonexistent/quilbo/file"));
    EXPECT_FALSE(write_file("/nonexistent/quilbo/file"));
    EXPECT_EQ(file_type("/nonexistent/quilbo"), 0);
    EXPECT_EQ(file_type("/tmp"), 2);
}

TEST(StreamDeathTest, ReadingPastTheEndIsFatal) {
    auto s = open_bytes({1, 2, 3});
    EXPECT_EXIT(s->read_int(), testing::ExitedWithCode(1), "Error reading from stream");
}

TEST(Bank, ShortsAreLittleEndianAndBoundsChecked) {
    t_bank b(4);
    b.poke_short(1, 0xBEEF);
    EXPECT_EQ(b.peek_byte(1), 0xEF);
    EXPECT_EQ(b.peek_byte(2), 0xBE);
    EXPECT_EQ(b.peek_short(1), 0xBEEF);
    EXPECT_EQ(b.peek_byte(0), 0);
    EXPECT_EXIT(b.peek_short(3), testing::ExitedWithCode(1), "out of range");
}

TEST(Crc, TableMatchesZlib) {
    build_crc_table();
    const std::string data = "IHDR and PLTE chunks are checked with this table";
    uint32_t c = 0xFFFFFFFFu;
    for (const char ch : data) c = crc_table[(c ^ static_cast<uint8_t>(ch)) & 0xFF] ^ (c >> 8);
    c ^= 0xFFFFFFFFu;
    EXPECT_EQ(c, crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
}
