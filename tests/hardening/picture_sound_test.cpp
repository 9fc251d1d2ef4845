// Bad pictures, palettes and sounds.
#include <gtest/gtest.h>

#include "football/colour.hpp"
#include "hardening_support.hpp"
#include "platform/pixmap.hpp"
#include "platform/sound.hpp"

using namespace hardening;

namespace {
void put_be32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (24 - 8 * i));
}

// A chunk with its length and CRC, as a PNG holds it.
std::vector<uint8_t> chunk(const std::string& type, const std::vector<uint8_t>& data) {
    std::vector<uint8_t> c(4);
    c.reserve(4 + type.size() + data.size() + 4);
    put_be32(c, 0, static_cast<uint32_t>(data.size()));
    for (const char ch : type) c.push_back(static_cast<uint8_t>(ch));
    c.insert(c.end(), data.begin(), data.end());
    c.resize(c.size() + 4);
    put_be32(c, c.size() - 4, png_crc(c.data() + 4, data.size() + 4));
    return c;
}

std::vector<uint8_t> png_header(uint32_t w, uint32_t h) {
    std::vector<uint8_t> png = {137, 80, 78, 71, 13, 10, 26, 10};
    std::vector<uint8_t> ihdr(13);
    put_be32(ihdr, 0, w);
    put_be32(ihdr, 4, h);
    ihdr[8] = 8; // bit depth
    ihdr[9] = 3; // indexed
    const std::vector<uint8_t> c = chunk("IHDR", ihdr);
    png.insert(png.end(), c.begin(), c.end());
    return png;
}

std::vector<uint8_t> wav(int rate, int channels, size_t frames) {
    const uint32_t data_bytes = static_cast<uint32_t>(frames * static_cast<size_t>(channels) * 2);
    std::vector<uint8_t> w;
    const auto u32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) w.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    const auto u16 = [&](uint32_t v) {
        w.push_back(static_cast<uint8_t>(v));
        w.push_back(static_cast<uint8_t>(v >> 8));
    };
    w = {'R', 'I', 'F', 'F'};
    u32(36 + data_bytes);
    for (const char c : std::string("WAVEfmt ")) w.push_back(static_cast<uint8_t>(c));
    u32(16);
    u16(1);
    u16(static_cast<uint32_t>(channels));
    u32(static_cast<uint32_t>(rate));
    u32(static_cast<uint32_t>(rate * channels * 2));
    u16(static_cast<uint32_t>(channels * 2));
    u16(16);
    for (const char c : std::string("data")) w.push_back(static_cast<uint8_t>(c));
    u32(data_bytes);
    for (size_t i = 0; i < data_bytes; ++i) w.push_back(static_cast<uint8_t>(i * 7));
    return w;
}
} // namespace

TEST(HardeningPalette, PaletteChunksThatLieAboutTheirLengthAreFatal) {
    std::vector<uint8_t> png = png_header(2, 2);
    const std::vector<uint8_t> plte = chunk("PLTE", {1, 2, 3, 4, 5, 6});
    png.insert(png.end(), plte.begin(), plte.end());
    std::vector<uint8_t> lying = png;
    put_be32(lying, png.size() - plte.size(), 0xFFFFFFF0u);
    t_color_replacement_list list;
    list.add(0x010203, 0xFFFFFF);
    EXPECT_EXIT(recolour_palette(lying, list), testing::ExitedWithCode(1), "Palette not found inside image!");
    EXPECT_EXIT(replace_palette(lying, {1}), testing::ExitedWithCode(1), "Palette not found inside image!");
    std::vector<uint8_t> cut(png.begin(), png.end() - 1); // the CRC runs past the end
    EXPECT_EXIT(recolour_palette(cut, list), testing::ExitedWithCode(1), "Palette not found inside image!");
    std::vector<uint8_t> bare = bytes("PLTE and nothing before it");
    EXPECT_EXIT(recolour_palette(bare, list), testing::ExitedWithCode(1), "Palette not found inside image!");
    recolour_palette(png, list);
    EXPECT_EQ(png[png.size() - 10], 0xFF);
}

TEST(HardeningPalette, PaletteFilesWithMissingOrWildNumbersGiveColours) {
    const std::vector<int> c = parse_palette_text("a\nb\n5\n1 2 3\n-7-x-\n99999999999 -1 256\n");
    ASSERT_EQ(c.size(), 3u); // five announced, three present
    EXPECT_EQ(c[0], 0x010203);
    EXPECT_TRUE(parse_palette_text("only\ntwo lines").empty());
    EXPECT_TRUE(parse_palette_text("a\nb\n-40\n1 2 3\n").empty());
    EXPECT_EQ(parse_palette_text("a\nb\n2147483647\n1\n").size(), 1u);
    scratch_dir dir;
    std::vector<uint8_t> png = read_file_bytes(asset("images/stadium/generic_00.png"));
    EXPECT_EXIT(apply_palette_file(png, "images/none.pal"), testing::ExitedWithCode(1), "palette not found");
    write_file("images/odd.pal", std::string("\0\0\n\n\x01", 5));
    apply_palette_file(png, "images/odd.pal");
    EXPECT_NE(decode_picture(png), nullptr);
}

TEST(HardeningPictures, TruncatedCorruptAndHugePicturesDecodeToNothing) {
    const std::vector<uint8_t> good = read_file_bytes(asset("images/player/hair/101.png"));
    ASSERT_NE(decode_picture(good), nullptr);
    for (size_t cut : {size_t{8}, size_t{33}, good.size() / 2, good.size() - 13})
        EXPECT_EQ(decode_picture(std::vector<uint8_t>(good.begin(), good.begin() + static_cast<long>(cut))), nullptr);
    std::vector<uint8_t> flipped = good;
    for (size_t i = 60; i < flipped.size(); i += 97) flipped[i] ^= 0x5A;
    (void)decode_picture(flipped); // damaged data: whatever comes out, nothing is overrun

    std::vector<uint8_t> huge = png_header(16000, 16000); // within the side limit, over the pixel limit
    const std::vector<uint8_t> tail = chunk("IEND", {});
    huge.insert(huge.end(), tail.begin(), tail.end());
    EXPECT_EQ(decode_picture(huge), nullptr);

    const std::vector<uint8_t> jpeg = read_file_bytes(asset("images/backgrounds/menu_main.jpg"));
    ASSERT_NE(decode_picture(jpeg), nullptr);
    (void)decode_picture(std::vector<uint8_t>(jpeg.begin(), jpeg.begin() + static_cast<long>(jpeg.size() / 3)));
    EXPECT_EQ(decode_picture(std::vector<uint8_t>(jpeg.begin(), jpeg.begin() + 40)), nullptr);
    std::vector<uint8_t> wide = jpeg; // a frame header claiming 65000 x 65000 pixels
    for (size_t i = 0; i + 8 < wide.size(); ++i) {
        if (wide[i] == 0xFF && (wide[i + 1] == 0xC0 || wide[i + 1] == 0xC2)) {
            wide[i + 5] = wide[i + 7] = 0xFD;
            wide[i + 6] = wide[i + 8] = 0xE8;
            break;
        }
    }
    EXPECT_EQ(decode_picture(wide), nullptr);
}

TEST(HardeningSounds, TruncatedWavAndOggAndAbsurdRatesDecodeToNothing) {
    EXPECT_NE(decode_sound(wav(22050, 1, 300)), nullptr);
    EXPECT_EQ(decode_sound(wav(3, 2, 3000)), nullptr); // would resample into gigabytes
    std::vector<uint8_t> claim = wav(22050, 1, 10);
    claim[43] = 0xFF; // the data chunk claims 4 GB: found by fuzzing, SDL allocated it
    EXPECT_EQ(decode_sound(claim), nullptr);
    std::vector<uint8_t> header_only = wav(22050, 2, 100);
    header_only.resize(40);
    (void)decode_sound(header_only);
    EXPECT_EQ(decode_sound(bytes("RIFF\x10\0\0\0WAVEfmt ")), nullptr);
    EXPECT_EQ(decode_sound(bytes("OggS")), nullptr);
    const std::vector<uint8_t> ogg = read_file_bytes(asset("music/kickabout.ogg"));
    ASSERT_GT(ogg.size(), 20000u);
    (void)decode_sound(std::vector<uint8_t>(ogg.begin(), ogg.begin() + 20000)); // the head of a track
    EXPECT_EQ(decode_sound(std::vector<uint8_t>(ogg.begin(), ogg.begin() + 60)), nullptr);
}

// Found by fuzzing: a first Ogg page that opens a Vorbis stream, then headers that do
// not. The open fails inside libvorbisfile, which keeps 8 bytes of its own for good
// (tests/sanitizers/lsan.supp says why that is the library's); the game gets nothing
// back and carries on.
TEST(HardeningSounds, AnOggWhoseHeadersBreakAfterTheFirstPageDecodesToNothing) {
    const std::vector<uint8_t> broken =
        read_file_bytes(std::string(QUILBO_TEST_DATA) + "/hardening/ogg_broken_second_header.ogg");
    ASSERT_GT(broken.size(), 58u);
    EXPECT_EQ(decode_sound(broken), nullptr);
    EXPECT_EQ(decode_sound(broken, 1), nullptr);
}
