#include "core/dictionary.hpp"

#include <algorithm>

#include "core/globals.hpp"
#include "core/text.hpp"
#include "platform/fatal.hpp"
#include "platform/files.hpp"
#include "platform/stream.hpp"

namespace {
bool ends_with(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// The text strictly between the first and the last double quote.
std::string between_quotes(const std::string& line) {
    const size_t a = line.find('"');
    const size_t b = line.rfind('"');
    if (a == std::string::npos || b == a) return "";
    return line.substr(a + 1, b - a - 1);
}
} // namespace

t_dictionary::t_dictionary() {
    for (const std::string& name : list_dir("language"))
        if (ends_with(name, ".po") && file_type("language/" + name) == 1) language_files.push_back(name);
    std::sort(language_files.begin(), language_files.end());
}

void t_dictionary::read_po(const std::string& path) {
    auto stream = read_file(path);
    if (!stream) runtime_error("Cannot load: " + path);
    while (!stream->eof()) {
        const std::string line = stream->read_line();
        if (line.compare(0, 5, "msgid") != 0) continue;
        const std::string key = between_quotes(line);
        const std::string value = trim(between_quotes(stream->read_line()));
        map[key] = value.empty() ? key : value;
    }
}

void t_dictionary::fetch_language(int index) {
    if (index < 0 || index >= static_cast<int>(language_files.size()))
        runtime_error("Cannot load language #" + std::to_string(index));
    read_po("language/" + language_files[static_cast<size_t>(index)]);
}

std::string translate(const std::string& key) {
    if (!dictionary) return "";
    const auto it = dictionary->map.find(key);
    return it == dictionary->map.end() ? std::string() : it->second;
}

std::string language_base(int index) {
    if (!dictionary || index < 0 || index >= static_cast<int>(dictionary->language_files.size())) return "";
    const std::string& name = dictionary->language_files[static_cast<size_t>(index)];
    return name.substr(0, name.size() - 3);
}

int usable_language(int index) {
    const int count = dictionary ? static_cast<int>(dictionary->language_files.size()) : 0;
    if ((index >= 0 && index < count) || count == 0) return index;
    print_line("Warning! Language #" + std::to_string(index) + " is not installed, using language #0");
    return 0;
}
