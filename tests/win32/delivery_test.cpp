// The clipboard writers and program launching against the real system.
#include <gtest/gtest.h>

#include "common/state.h"
#include "os/os.h"
#include "output/clipboard.h"
#include "output/macros.h"
#include "output/shell_launch.h"
#include "temp_folder.h"

namespace {

std::string ClipboardText() {
    std::string text;
    return os::ClipboardGetText(&text) ? text : "<none>";
}

TEST(Clipboard, WritersKeepAndJoinTheRealClipboardsText) {
    qv::ResetProcessState();
    HWND window = CreateWindowExA(0, "STATIC", "clipboard owner", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    qv::process::mainWindow = reinterpret_cast<os::Window>(window);
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
