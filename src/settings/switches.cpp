#include "settings/switches.h"

#include <string>

#include "common/program_paths.h"
#include "common/state.h"
#include "common/text.h"
#include "settings/option_values.h"

namespace qv {

namespace {

constexpr size_t kMostSwitchValue = 258;   // "/#s=", "/#m=", "/#f=": up to a blank
constexpr size_t kMostQuotedValue = 513;   // "/#g%d=": between double quotes
constexpr size_t kMostToken = 519;         // a start-path candidate while it is collected

enum class SwitchValue { absent, tooLong, given };

// The value after the first occurrence of name: up to the next blank or the end.
SwitchValue FindSwitchValue(std::string_view commandLine, std::string_view name, std::string* value) {
    const size_t at = FindI(commandLine, name);
    if (at == std::string_view::npos) return SwitchValue::absent;
    std::string_view rest = commandLine.substr(at + name.size());
    rest = rest.substr(0, rest.find(' '));
    if (rest.size() > kMostSwitchValue) return SwitchValue::tooLong;
    *value = std::string(rest);
    return SwitchValue::given;
}

// "/#s=name": a settings file under the program's folder, if it exists.
void ApplySettingsSwitch(std::string_view commandLine) {
    std::string value;
    std::string path = DefaultSettingsPath();
    if (FindSwitchValue(commandLine, "/#s=", &value) == SwitchValue::given) {
        const std::string named = std::string(process::programPaths.exeFolder.view()) + value;
        // A name cut to the buffer would be another file: keep the default then.
        if (named.size() <= PathText::kCapacity && os::PathFileExists(named.c_str())) path = named;
    }
    process::programPaths.settingsPath = path;
}

// "/#g%d=\"words\"" gives set i its words; a bare "/#g%d" asks the settings file for them.
void ApplyKeywordSwitch(std::string_view commandLine, int set) {
    KeywordSets& sets = process::settings.keywordSets;
    sets.selected[set] = 0;
    const std::string quoted = "/#g" + std::to_string(set) + "=\"";
    const size_t at = FindI(commandLine, quoted);
    if (at != std::string_view::npos) {
        const size_t start = at + quoted.size();
        const size_t end = commandLine.find('"', start);
        if (end == std::string_view::npos || end - start > kMostQuotedValue) return;
        sets.selected[set] = 2;
        ParseKeywordSet(commandLine.substr(start, end - start), set);
        return;
    }
    if (ContainsI(commandLine, quoted.substr(0, 4))) sets.selected[set] = 2;
}

// PathUnquoteSpaces, then PathRemoveBlanks.
std::string CleanToken(std::string token) {
    if (!token.empty() && token.front() == '"' && token.back() == '"')
        token = token.size() == 1 ? std::string() : token.substr(1, token.size() - 2);
    const size_t first = token.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return token.substr(first, token.find_last_not_of(' ') - first + 1);
}

// A start path is kept as its full and long path, which also writes a slash as
// a backslash: a relative path names nothing in the folder a launched program
// starts in, and a slash or an 8.3 name would not compare equal to the listed paths.
bool TryStartPath(const std::string& token) {
    std::string path = CleanToken(token);
    if (path.empty()) return false;
    const bool folder = os::PathIsDirectory(path.c_str());
    if (!folder && !os::PathFileExists(path.c_str())) return false;
    std::string full;
    if (os::GetFullPathName(path.c_str(), &full)) path = full;
    if (os::GetLongPathName(path.c_str(), &full)) path = full;
    if (folder && EndsWithBackslash(path)) path.pop_back();
    if (path.size() >= 260) return false;
    process::startPath = path;
    process::startMode = 1;
    return true;
}

}  // namespace

// Switches anywhere, any case, first occurrence only:
//   /#s=file  /#m=position  /#f=.ext;.ext  /#g0="word | word" ... /#g9=  /#g0 ... /#g9  /#u
void ApplySwitches(std::string_view commandLine) {
    ApplySettingsSwitch(commandLine);
    std::string value;
    if (FindSwitchValue(commandLine, "/#m=", &value) == SwitchValue::given && !value.empty())
        ParseMenuOption(value);
    if (FindSwitchValue(commandLine, "/#f=", &value) == SwitchValue::given && value.size() >= 3)
        ParseFilterOption(value);
    for (int set = 0; set < kKeywordSetCount; ++set) ApplyKeywordSwitch(commandLine, set);
    if (ContainsI(commandLine, "/#u")) process::settings.includeSubfolders = 1;
}

// The first blank-separated (or quoted) token that names an existing folder or file.
void FindStartPath(std::string_view commandLine) {
    process::startMode = 0;
    std::string token;
    bool quoted = false;
    for (char c : commandLine) {
        if (c == '"' && !quoted) {
            if (!token.empty() && TryStartPath(token)) return;
            token = "\"";
            quoted = true;
        } else if (c == '"') {
            token.push_back(c);
            quoted = false;
            if (TryStartPath(token)) return;
            token.clear();
        } else if (c == ' ' && !quoted) {
            if (TryStartPath(token)) return;
            token.clear();
        } else if (c != '\r' && c != '\n' && c != '\t') {
            if (token.size() < kMostToken) token.push_back(c);
        }
    }
    if (!token.empty()) TryStartPath(token);
}

}  // namespace qv
