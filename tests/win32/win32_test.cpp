// What only real Win32 shows: the cp932 rules against shlwapi's, the conversions, real files, the clipboard.
#include <windows.h>
#include <shlwapi.h>
#undef StrToInt  // shlwapi's macro would rename the core's function

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../encoding_cases.h"
#include "common/path_split.h"
#include "common/state.h"
#include "common/text.h"
#include "lines/folders.h"
#include "lines/page_reader.h"
#include "os/os.h"
#include "output/clipboard.h"
#include "settings/program_lookup.h"
#include "settings/switches.h"

namespace {

namespace qp = qv::process;

// Texts of up to three pieces, needles of up to two in texts of up to two: trail bytes 0x5C "\\" and 0x7C "|",
// trail bytes that look like letters or lead bytes.
const char* const kPieces[] = {"a", "A", "\x81\x41" /* 、 */, "\x83\x61" /* ッ */, "\x95\x5C" /* 表 */, "\x83\x5C" /* ソ */,
                               "\x83\x7C" /* ポ */, "\x88\x9F" /* 亜 */, "\xB1" /* ｱ */, "\\", "/", ".", " ", "-", "+", "7", "12"};

TEST(TextRules, AsShlwapis) {
    ASSERT_EQ(GetACP(), 932u) << "the rules need the Japanese ANSI code page";
    const size_t n = std::size(kPieces), shortTexts = 1 + n + n * n;
    std::vector<std::string> texts = {""};
    for (size_t i = 0; i < shortTexts; ++i)
        for (const char* piece : kPieces) texts.push_back(texts[i] + piece);
    for (size_t t = 0; t < texts.size(); ++t) {
        const std::string& text = texts[t];
        for (size_t k = 1; k < (t < shortTexts ? shortTexts : 1 + n); ++k) {  // StrStrIA finds no empty needle
            const char* hit = StrStrIA(text.c_str(), texts[k].c_str());
            ASSERT_EQ(qv::FindI(text, texts[k]), hit ? size_t(hit - text.c_str()) : std::string::npos) << text << "/" << texts[k];
            ASSERT_EQ(qv::StartsWithI(text, texts[k]), StrCmpNIA(text.c_str(), texts[k].c_str(), int(texts[k].size())) == 0) << text << "/" << texts[k];
        }
        const bool backslash = !text.empty() && StrRChrA(text.c_str(), nullptr, '\\') == &text.back();
        ASSERT_EQ(qv::EndsWithBackslash(text), backslash) << text;
        ASSERT_TRUE(text[0] == '+' || qv::StrToInt(text) == StrToIntA(text.c_str())) << text;  // "+" a sign to the core only
        // The shell reads its own way a path ending in a separator, or with a blank or "/" after its last dot.
        for (const std::string& path : {text, "C:" + text}) {
            if (path.empty() || backslash || path.back() == '/' || path == "C:") continue;
            const qv::PathParts parts = qv::SplitPath(path);
            ASSERT_EQ(PathFindFileNameA(path.c_str()), parts.name + parts.extension) << path;
            ASSERT_TRUE(path.find_first_of(" /", path.rfind('.')) != std::string::npos ||
                        PathFindExtensionA(path.c_str()) == parts.extension) << path;
        }
    }
}

// The forms the fake gives too (its hash), each leading back to its character:
// "?" where Windows has only a look-alike.
TEST(Conversion, EveryBmpCharacterAsWindowsAndBack) {
    const std::u16string all = cases::AllBmpCharacters();
    std::string bytes(2 * all.size(), '\0');
    size_t written = 0;
    ASSERT_TRUE(os::WideToCp932(all, bytes.data(), bytes.size(), &written));
    bytes.resize(written);
    EXPECT_EQ(cases::Fnv1a(bytes), cases::kBmpCp932Hash);
    std::u16string back, text((1 << 20) - 1, u'a');
    ASSERT_TRUE(os::Cp932ToWide(bytes, &back) && back.size() == all.size());
    for (size_t i = 0; i < all.size(); ++i) ASSERT_TRUE(back[i] == all[i] || back[i] == u'?') << std::hex << int(all[i]);
    // Longer than one call of the system's conversion, with 設 across its seam.
    EXPECT_TRUE(os::Cp932ToWide(std::string((1 << 20) - 1, 'a') + "\x90\xDD" "b", &back) && back == text + u"\u8A2Db");
}

// Own files before the subfolders', hidden ones too, in CompareStringA's order ("_" first, "-" and case
// ignored); a log another program is writing read; a start file's 8.3 name made the long one listed.
TEST(RealFiles, ListedReadAndFoundOnTheSearchPath) {
    char temp[MAX_PATH];
    const std::string folder = std::string(temp, GetTempPathA(MAX_PATH, temp)) + "qv win32 tests\\";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder + "sub\\deeper");
    for (const char* name : {"B.txt", "sub\\9.txt", "sub\\hidden.txt", "a-b.TXT", "sub\\deeper\\long name.txt",
                             "sub\\10.txt", "ab.txt", "_c.txt", "skip.log", "sub\\tool.exe"})
        std::ofstream(folder + name) << "line\r\n";
    SetFileAttributesA((folder + "sub\\hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    qp::settings.extensionFilters[0] = ".txt";
    qp::settings.extensionFilterCount = qp::settings.includeSubfolders = qp::settings.folderGrouping = 1;
    qv::ListFolder(folder);
    qv::SortFileList();
    std::vector<std::string> listed;
    for (int i = 0; i < qp::fileCount; ++i) listed.push_back(qp::fileList[i].path.c_str() + folder.size());
    EXPECT_EQ(listed, (std::vector<std::string>{"_c.txt", "ab.txt", "a-b.TXT", "B.txt", "sub\\10.txt", "sub\\9.txt",
                                                "sub\\hidden.txt", "sub\\deeper\\long name.txt"}));
    const std::string log = folder + "sub\\deeper\\long name.txt";
    HANDLE writer = CreateFileA(log.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(qv::ReadPage(log.c_str(), qv::ViewStyle()), qv::PageRead::ok);
    CloseHandle(writer);
    char shortPath[MAX_PATH];
    ASSERT_NE(std::string(shortPath, GetShortPathNameA(log.c_str(), shortPath, MAX_PATH)), log);
    qv::FindStartPath(shortPath);
    EXPECT_EQ(qp::startPath.view(), log);
    qv::ApplySearchPathOption(folder + "nowhere;" + folder + "sub");
    std::string path;
    EXPECT_TRUE(qv::ResolveProgramPath("tool", true, &path) && path == folder + "sub\\tool.exe") << path;
    EXPECT_FALSE(qv::ResolveProgramPath("tool", false, &path));
}

template <typename Char>
std::basic_string<Char> Stored(UINT format) {
    std::basic_string<Char> text;
    OpenClipboard(nullptr);
    if (HANDLE data = GetClipboardData(format)) text = static_cast<const Char*>(GlobalLock(data)), GlobalUnlock(data);
    CloseClipboard();
    return text;
}

// An English keyboard layout makes Windows convert CF_TEXT with code page 1252, garbling Japanese; Wine takes
// it from LC_MESSAGES as it starts, so tools/test runs this alone in a Wine of its own (qv_wine_english).
TEST(Clipboard, DISABLED_KeepsJapaneseTextUnderAnEnglishKeyboardLayout) {
    ASSERT_EQ(LOWORD(GetKeyboardLayout(0)), 0x0409) << "not the English layout: the test would prove nothing";
    HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    qp::mainWindow = reinterpret_cast<os::Window>(window);
    const std::string lines = "日本語の行\r\n\xED\x40";  // 纊 as NEC's selection of IBM's characters writes it
    EXPECT_EQ(qv::SetClipboardText(lines, 0), 1);
    EXPECT_EQ(Stored<char16_t>(CF_UNICODETEXT), u"日本語の行\r\n\u7E8A");
    EXPECT_EQ(Stored<char>(CF_LOCALE), "\x11\x04");  // Japanese, for programs that convert CF_TEXT themselves
    EXPECT_EQ(qv::AppendClipboardText("次", 0, qv::ClipboardStart::afterKeptText), 1);
    const std::string_view lost = "lost";
    EXPECT_FALSE(os::ClipboardSetText(nullptr, &lost, 1));  // without an owner Windows would empty it
    EXPECT_EQ(Stored<char>(CF_TEXT), lines + "\r\n次");  // our own bytes kept as they were
    const char16_t copied[] = u"ユニコード";  // a Unicode program's copy, kept in code page 932
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof copied);
    memcpy(GlobalLock(block), copied, sizeof copied);
    GlobalUnlock(block);
    ASSERT_TRUE(OpenClipboard(window) && EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, block) && CloseClipboard());
    EXPECT_EQ(qv::AppendClipboardText("次", 0, qv::ClipboardStart::afterKeptText), 1);
    EXPECT_EQ(Stored<char>(CF_TEXT), "ユニコード\r\n次");
}

}  // namespace
