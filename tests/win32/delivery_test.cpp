// The clipboard writers and program launching against the real system.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/state.h"
#include "os/os.h"
#include "output/clipboard.h"
#include "output/macros.h"
#include "output/shell_launch.h"
#include "temp_folder.h"
#include "../core/process_reset.h"

namespace {

std::string ClipboardText() {
    std::string text;
    return os::ClipboardGetText(&text) ? text : "<none>";
}

// A window in the place of the hidden one, which owns what the writers copy.
HWND ProgramWindow() {
    qv::ResetProcessState();
    HWND window = CreateWindowExA(0, "STATIC", "clipboard owner", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    qv::process::mainWindow = reinterpret_cast<os::Window>(window);
    return window;
}

TEST(Clipboard, WritersKeepAndJoinTheRealClipboardsText) {
    HWND window = ProgramWindow();
    OpenClipboard(window);
    EmptyClipboard();
    CloseClipboard();
    EXPECT_EQ(qv::AppendClipboardText("x", 1, qv::ClipboardStart::afterKeptText), 0);  // no text to follow
    EXPECT_FALSE(os::ClipboardHasText());
    EXPECT_EQ(qv::SetClipboardText("one", 0), 1);
    EXPECT_EQ(qv::AppendClipboardText("二つ目", 0, qv::ClipboardStart::afterKeptText), 1);
    EXPECT_EQ(ClipboardText(), "one\r\n二つ目");
    EXPECT_EQ(qv::AppendClipboardText("abc", 0, qv::ClipboardStart::afresh), 1);
    EXPECT_EQ(ClipboardText(), "abc");
    const std::string_view lost = "lost";
    EXPECT_FALSE(os::ClipboardSetText(nullptr, &lost, 1));  // Windows would empty it, then refuse the text
    EXPECT_EQ(ClipboardText(), "abc");
    DestroyWindow(window);
}

// The clipboard's text in one format, as it is stored.
template <typename Char>
std::basic_string<Char> Stored(UINT format) {
    std::basic_string<Char> text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(format)) {
        text = static_cast<const Char*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// Under an English layout Windows converts between CF_TEXT and CF_UNICODETEXT
// with code page 1252. Wine takes the layout from LC_MESSAGES when it starts,
// and a process started from a Wine one keeps its locales: tools/test runs this
// in a Wine of its own, with the English layout and code page 932.
TEST(Clipboard, DISABLED_JapaneseSurvivesAnEnglishKeyboardLayout) {
    ASSERT_EQ(GetACP(), 932u);
    ASSERT_EQ(LOWORD(GetKeyboardLayout(0)), 0x0409) << "not the English layout: the test would prove nothing";
    HWND window = ProgramWindow();
    const std::string lines = "日本語の行\r\n\xED\x40";  // 纊 as NEC's selection of IBM's characters writes it
    EXPECT_EQ(qv::SetClipboardText(lines, 0), 1);
    EXPECT_EQ(Stored<char16_t>(CF_UNICODETEXT), u"日本語の行\r\n\u7E8A");
    EXPECT_EQ(Stored<char>(CF_LOCALE), "\x11\x04");  // 0x0411, Japanese
    EXPECT_EQ(qv::AppendClipboardText("次", 0, qv::ClipboardStart::afterKeptText), 1);
    EXPECT_EQ(Stored<char>(CF_TEXT), lines + "\r\n次");  // our own text kept byte for byte
    // What a Unicode program copies.
    const std::u16string copied = u"ユニコード";
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (copied.size() + 1) * 2);
    memcpy(GlobalLock(block), copied.data(), copied.size() * 2);
    GlobalUnlock(block);
    OpenClipboard(window);
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, block);
    CloseClipboard();
    EXPECT_EQ(qv::AppendClipboardText("次", 0, qv::ClipboardStart::afterKeptText), 1);
    EXPECT_EQ(Stored<char>(CF_TEXT), "ユニコード\r\n次");
    DestroyWindow(window);
}

std::string WaitForLog(const std::string& path) {
    for (int i = 0; i < 100; ++i) {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            char buffer[4096];
            DWORD read = 0;
            ReadFile(file, buffer, sizeof buffer, &read, nullptr);
            CloseHandle(file);
            std::string text(buffer, read);
            if (text.find("--\n") != std::string::npos) return text;
        }
        Sleep(50);
    }
    return "<no log>";
}

std::string Beside(const char* name) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path = self;
    return path.substr(0, path.find_last_of('\\') + 1) + name;
}

TEST(ShellLaunch, RunsTheProgramInItsOwnFolderWithTheExpandedText) {
    qv::ResetProcessState();
    TempFolder folder;
    folder.MakeFolder("my tools");
    const std::string recorder = folder / "my tools\\recorder.exe";
    ASSERT_TRUE(CopyFileA(Beside("recorder.exe").c_str(), recorder.c_str(), FALSE));
    const std::string text = qv::ExpandMacros("\"%P\" %$J %-D", "C:\\notes\\メモ.txt", 12).text;
    qv::ShellLaunch(recorder, text);
    const std::string log = WaitForLog(recorder + ".log");
    EXPECT_EQ(log, "cmdline=\"" + recorder + "\" \"C:\\notes\\メモ.txt\" 12 C:\\notes\ncwd=" + folder.path() +
                       "my tools\n--\n");
}

}  // namespace
