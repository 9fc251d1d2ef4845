#include <gtest/gtest.h>

#include "core/fonts.hpp"
#include "platform/stream.hpp"

namespace {
std::vector<uint8_t> width_table(char fill, bool crlf_groups) {
    std::vector<uint8_t> b;
    for (int g = 0; g < 16; ++g)
        for (int l = 0; l < 8; ++l) {
            for (int m = 0; m < 8; ++m) b.push_back(static_cast<uint8_t>(fill));
            if (crlf_groups && l == 7) b.push_back(13);
            b.push_back(10);
        }
    return b;
}
} // namespace

TEST(FontWidths, CharactersMapToAdvances) {
    std::vector<uint8_t> b = width_table('5', false);
    b[0] = 'N';       // code 0
    b[1] = 'O';       // code 1
    b[2] = 'A';       // code 2
    b[9 + 3] = '9';   // line 1, column 3: code 11
    t_font_widths w{};
    parse_font_widths(b, w);
    EXPECT_EQ(w[0], 23);
    EXPECT_EQ(w[1], 30);
    EXPECT_EQ(w[2], 10);
    EXPECT_EQ(w[11], 9);
    EXPECT_EQ(w[1023], 5);
}

TEST(FontWidths, CrAfterAGroupIsSkipped) {
    std::vector<uint8_t> b = width_table('7', true);
    t_font_widths w{};
    parse_font_widths(b, w);
    for (const int32_t v : w) EXPECT_EQ(v, 7);
}

TEST(FontWidths, ShippedTablesFitTheirCells) {
    t_font_widths w10{}, w14{};
    read_font_widths(10, w10);
    read_font_widths(14, w14);
    for (int c = 'A'; c <= 'Z'; ++c) {
        EXPECT_GE(w10[static_cast<size_t>(c)], 3);
        EXPECT_LE(w10[static_cast<size_t>(c)], 12);
        EXPECT_LE(w14[static_cast<size_t>(c)], 16);
    }
    EXPECT_GT(w10[' '], 0);
}

TEST(TextLayout, AlignmentAndLineBreaks) {
    font_widths_10.fill(6);
    font_widths_10['A'] = 8;
    font_widths_14.fill(10);
    // "AB" is 14 wide: centred on 100 it starts at 93; "C" (6 wide) centres on 100 one line lower.
    const auto places = layout_text("AB\r\nC", 100, 50, 0, 10);
    ASSERT_EQ(places.size(), 3u);
    EXPECT_FLOAT_EQ(places[0].x, 93);
    EXPECT_FLOAT_EQ(places[1].x, 101);
    EXPECT_FLOAT_EQ(places[2].x, 97);
    EXPECT_FLOAT_EQ(places[2].y, 64);
    EXPECT_EQ(places[2].code, static_cast<uint32_t>('C'));

    EXPECT_FLOAT_EQ(layout_text("AB", 100, 0, -1, 10)[0].x, 86);
    EXPECT_FLOAT_EQ(layout_text("AB", 100, 0, 1, 10)[0].x, 100);
    EXPECT_FLOAT_EQ(layout_text("AB", 100, 0, 7, 10)[0].x, 0); // unknown alignment starts at 0
    EXPECT_FLOAT_EQ(layout_text("AB", 100, 0, 7, 14)[0].x, 100); // the large font starts at x instead
    EXPECT_EQ(layout_text("A\r\nB", 0, 0, 1, 14).size(), 4u);  // and has no line breaks

    EXPECT_EQ(text_width("AB\r\nCCCC", 10), 14);
    EXPECT_EQ(text_width("AB", 12), 0);
    EXPECT_EQ(text_height(10), 16);
    EXPECT_EQ(text_height(14), 26);
    EXPECT_EQ(layout_text("é", 0, 0, 1, 10)[0].code, 233u);
}

TEST(TextLayout, WrapBreaksAfterTheLastComma) {
    EXPECT_EQ(wrap_text("AAA, BBB, CCC", 8), "AAA, BBB,\r\n CCC");
    EXPECT_EQ(wrap_text("NO COMMAS HERE AT ALL", 5), "NO COMMAS HERE AT ALL");
    EXPECT_EQ(wrap_text("A,B\r\nCCCC,D", 6), "A,B\r\nCCCC,D"); // the break resets the count
    EXPECT_EQ(wrap_text("A,B\r\nCCCCCC,D", 6), "A,B\r\nCCCCCC,\r\nD");
    EXPECT_EQ(wrap_text("AB,CD,EF,GH", 3), "AB,\r\nCD,\r\nEF,\r\nGH");
}
