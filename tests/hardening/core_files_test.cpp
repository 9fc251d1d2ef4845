// Bad settings, language, key-name, font-width and flag-code files.
#include <gtest/gtest.h>

#include "core/dictionary.hpp"
#include "core/fonts.hpp"
#include "core/globals.hpp"
#include "core/keycodes.hpp"
#include "core/loaders.hpp"
#include "core/settings.hpp"
#include "hardening_support.hpp"

using namespace hardening;

namespace {
std::string settings_bytes(const std::vector<int32_t>& values) {
    std::string s;
    for (const int32_t v : values)
        for (int b = 0; b < 4; ++b) s.push_back(static_cast<char>((static_cast<uint32_t>(v) >> (8 * b)) & 0xFF));
    return s;
}
} // namespace

TEST(HardeningSettings, ShortOrGarbageFilesKeepEveryDefault) {
    scratch_dir dir;
    const t_settings defaults;
    std::vector<int32_t> values(28, -1);
    values[0] = SETTINGS_VERSION;
    for (const std::string& content : {settings_bytes(values).substr(0, 111), std::string(3, '\x4D'),
                                       std::string(), settings_bytes({77}) + std::string(200, '\xFF')}) {
        write_file("quilbo_soccer.ini", content);
        t_settings s;
        s.read(SETTINGS_VERSION);
        if (content.size() < 112) {
            EXPECT_EQ(s.language, defaults.language);
            EXPECT_EQ(s.key[1].button_2, defaults.key[1].button_2);
            EXPECT_EQ(s.music_vol, defaults.music_vol);
        } else {
            EXPECT_EQ(s.language, -1); // a longer file reads its first 28 values; the rest is ignored
        }
    }
}

TEST(HardeningSettings, UninstalledLanguageFallsBackToTheFirstWithAWarning) {
    auto saved = std::move(dictionary);
    dictionary = std::make_unique<t_dictionary>();
    dictionary->language_files = {"de.po", "en.po"};
    testing::internal::CaptureStdout();
    EXPECT_EQ(usable_language(1), 1);
    EXPECT_EQ(usable_language(7), 0);
    EXPECT_EQ(usable_language(-3), 0);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("Warning! Language #7 is not installed"), std::string::npos);
    EXPECT_EQ(out.find("#1 "), std::string::npos);
    // Without any language file the start-up message stays the fatal one.
    dictionary->language_files.clear();
    EXPECT_EQ(usable_language(2), 2);
    EXPECT_EXIT(dictionary->fetch_language(2), testing::ExitedWithCode(1), "Cannot load language #2");
    dictionary = std::move(saved);
}

TEST(HardeningDictionary, TruncatedAndBinaryPoFilesLoadWhatTheyHold) {
    scratch_dir dir;
    std::string garbage;
    for (int i = 0; i < 4096; ++i) garbage.push_back(static_cast<char>((i * 131 + 7) & 0xFF));
    write_file("bad.po", "msgid \"A\"\nmsgstr \"B\"\n" + garbage + "\nmsgid \"\"\"\n\nmsgid \"LAST\"");
    t_dictionary d;
    d.read_po("bad.po");
    EXPECT_EQ(d.map["A"], "B");
    EXPECT_EQ(d.map["LAST"], "LAST"); // no translation line before the end: the key itself
    EXPECT_EQ(d.map.count("\""), 1u);
    EXPECT_EXIT(d.read_po("missing.po"), testing::ExitedWithCode(1), "Cannot load: missing.po");
}

TEST(HardeningKeyNames, ShortOddOrUnterminatedFilesGiveEmptyNames) {
    const auto utf16 = [](const std::string& ascii) {
        std::string s = "\xFF\xFE";
        for (const char c : ascii) s += std::string{c, '\0'};
        return s;
    };
    const std::string unterminated = utf16("header\n     ESC"); // one key line, no line end, then nothing
    for (const std::string& content : {std::string(), std::string("\xFF"), std::string("\xFF\xFE\x41"),
                                       unterminated, unterminated + "\x20"}) {
        t_keycode_table table{};
        table[27].name = "old";
        parse_key_names(bytes(content), table);
        for (const t_keycode& k : table) EXPECT_EQ(k.active, 0);
        EXPECT_EQ(table[0].name, content.size() >= unterminated.size() ? "ESC" : "");
        EXPECT_EQ(table[27].name, "");
    }
    scratch_dir dir;
    EXPECT_EXIT(load_key_names("xx"), testing::ExitedWithCode(1), "Cannot load: keycodes/xx.qsk");
}

TEST(HardeningFontWidths, TruncatedTableIsFatalAndMissingOneNamed) {
    t_font_widths widths{};
    std::string table;
    for (int line = 0; line < 16 * 8; ++line) table += "89ABCDEN\n";
    parse_font_widths(bytes(table), widths);
    EXPECT_EQ(widths[1023], 23);
    EXPECT_EXIT(parse_font_widths(bytes(table.substr(0, table.size() - 1)), widths), testing::ExitedWithCode(1),
                "Error reading from stream");
    EXPECT_EXIT(parse_font_widths({}, widths), testing::ExitedWithCode(1), "Error reading from stream");
    scratch_dir dir;
    EXPECT_EXIT(read_font_widths(14, widths), testing::ExitedWithCode(1), "File not found: ucode_14.txt!");
}

TEST(HardeningFlagCodes, ShortLastLineAndOverlongListsStayInBounds) {
    std::vector<std::string> codes;
    parse_flag_codes(bytes("ENG\r\nFR"), codes);
    EXPECT_EQ(codes, std::vector<std::string>{"ENG"});
    parse_flag_codes(bytes("ENG\r"), codes);
    EXPECT_EQ(codes, std::vector<std::string>{"ENG"});
    std::string many;
    for (int i = 0; i < 400; ++i) many += "ABC\n";
    parse_flag_codes(bytes(many), codes);
    EXPECT_EQ(codes.size(), 256u);
    scratch_dir dir;
    EXPECT_EXIT(read_flag_codes(), testing::ExitedWithCode(1), "Invalid file: flags_t.txt!");
}
