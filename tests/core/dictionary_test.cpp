#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <set>

#include "core/dictionary.hpp"
#include "core/globals.hpp"
#include "core/keycodes.hpp"
#include "platform/stream.hpp"

namespace {
std::string write_temp(const std::string& name, const std::string& content) {
    const std::string path = "/tmp/quilbo_" + std::to_string(getpid()) + "_" + name;
    auto out = write_file(path);
    out->write_bytes(reinterpret_cast<const uint8_t*>(content.data()), content.size());
    return path;
}

std::vector<uint8_t> utf16le(const std::u16string& text) {
    std::vector<uint8_t> b{0xFF, 0xFE};
    for (const char16_t c : text) {
        b.push_back(static_cast<uint8_t>(c & 0xFF));
        b.push_back(static_cast<uint8_t>(c >> 8));
    }
    return b;
}
} // namespace

TEST(Dictionary, PoLinesFollowTheQuoteRules) {
    const std::string path = write_temp("t.po",
                                        "# comment\n"
                                        "msgid \"\"\nmsgstr \"\"\n\n"
                                        "msgid \"GAME OPTIONS\"\nmsgstr \"  OPCIONES  \"\n"
                                        "msgid \"EMPTY\"\nmsgstr \"\"\n"
                                        "msgid \"SAY \"HI\"\"\nmsgstr \"DI \"HOLA\"\"\n"
                                        "msgid \"G // code for: GOALKEEPER\"\nmsgstr \"P\"\n"
                                        "msgid \"GAME OPTIONS\"\nmsgstr \"LATER\"\n"
                                        " msgid \"INDENTED\"\nmsgstr \"NO\"\n");
    t_dictionary d;
    d.map.clear();
    d.read_po(path);
    EXPECT_EQ(d.map.at("GAME OPTIONS"), "LATER"); // a later entry replaces an earlier one
    EXPECT_EQ(d.map.at("EMPTY"), "EMPTY");
    EXPECT_EQ(d.map.at("SAY \"HI\""), "DI \"HOLA\"");
    EXPECT_EQ(d.map.at("G // code for: GOALKEEPER"), "P");
    EXPECT_EQ(d.map.count("INDENTED"), 0u);
    std::remove(path.c_str());
}

TEST(Dictionary, TranslateIsEmptyForMissingKeys) {
    dictionary = std::make_unique<t_dictionary>();
    dictionary->map = {{"FRIENDLY", "AMISTOSO"}};
    EXPECT_EQ(translate("FRIENDLY"), "AMISTOSO");
    EXPECT_EQ(translate("NOPE"), "");
    dictionary.reset();
}

TEST(Dictionary, ShippedLanguagesAreSortedAndLoad) {
    t_dictionary d; // the tests run in the game's data folder
    ASSERT_FALSE(d.language_files.empty());
    EXPECT_TRUE(std::is_sorted(d.language_files.begin(), d.language_files.end()));
    d.fetch_language(0);
    EXPECT_FALSE(d.map.at("// THIS LANGUAGE NAME //").empty());
    EXPECT_EXIT(d.fetch_language(static_cast<int>(d.language_files.size())), testing::ExitedWithCode(1),
                "Cannot load language #");
}

TEST(KeyNames, ColumnsAndActiveFlag) {
    std::u16string text = u"CODE NAME           A\r\n";
    for (int k = 0; k < 256; ++k) {
        std::u16string line = u"     ";
        if (k == 65) line += u"Ä key          ";
        else if (k == 188) line += u"  ,            ";
        else line += u"               ";
        line += k == 65 || k == 188 ? u" 1" : u" 0";
        text += line + (k == 255 ? u"" : u"\r\n");
    }
    t_keycode_table table;
    parse_key_names(utf16le(text), table);
    EXPECT_EQ(table[65].name, "Ä key");
    EXPECT_EQ(table[65].active, 1);
    EXPECT_EQ(table[188].name, ",");
    EXPECT_EQ(table[188].active, 1);
    EXPECT_EQ(table[66].name, "");
    EXPECT_EQ(table[66].active, 0);
    EXPECT_EQ(table[255].active, 0);
}

TEST(KeyNames, ShippedFileNamesTheDefaultKeysAndKeepsMatchKeysFree) {
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(load_file_bytes("keycodes/en.qsk", bytes));
    t_keycode_table table;
    parse_key_names(bytes, table);
    for (const int k : {38, 40, 37, 39, 188, 190, 87, 90, 65, 83, 67, 86}) {
        EXPECT_FALSE(table[static_cast<size_t>(k)].name.empty()) << k;
        EXPECT_EQ(table[static_cast<size_t>(k)].active, 1) << k;
    }
    for (const int k : {27, 80, 82, 72, 32, 116, 117, 119, 121, 123, 164}) EXPECT_EQ(table[static_cast<size_t>(k)].active, 0) << k;
    EXPECT_EQ(table[112].name, "F1");
}
