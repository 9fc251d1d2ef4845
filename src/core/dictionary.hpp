#pragma once
// The language dictionary: the translation of every displayed text and the language files.
#include <map>
#include <string>
#include <vector>

// The texts of the chosen language, read from "language/*.po".
class t_dictionary {
public:
    t_dictionary(); // finds the language files
    void fetch_language(int index);
    // Reads one .po file into the map (no discovery); used by tests and tools.
    void read_po(const std::string& path);

    std::map<std::string, std::string> map;
    std::vector<std::string> language_files;
};

// Every displayed text goes through this: empty when the key is missing.
std::string translate(const std::string& key);
// Base name ("en") of language file `index`, or "" when out of range.
std::string language_base(int index);
// `index` when it names an installed language; else language 0 with a warning
// (a settings file from a folder with more languages must not lock the game out).
int usable_language(int index);
