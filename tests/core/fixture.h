// One machine for every case: the program in C:\app\ with the manual beside
// it, a program C:\tools\p.exe, the file C:\表\memo.txt listed and current,
// "old" on the clipboard; and what a case leaves behind, as one string.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>

#include "common/program_paths.h"
#include "fake_os.h"
#include "menu/pages.h"
#include "menu/start.h"
#include "settings/launchers.h"

namespace qv {

constexpr const char *kIni = "C:\\app\\Qivora.ini", *kMemo = "C:\\\x95\x5C\\memo.txt", *kProgram = "C:\\tools\\p.exe";
const os::Window kWindow = reinterpret_cast<os::Window>(0x1000), kActive = reinterpret_cast<os::Window>(0x20A4C);

inline std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

struct Machine : ::testing::Test {
    void SetUp() override {
        fake::Reset();
        InitProgramPaths("C:\\app\\Qivora.exe", "");
        process::screenMetrics = {1920, 1040, 3, 3};  // width, height, mouse buttons, items in a column
        fake::foreground = kActive;
        fake::AddFile(kProgram, "");
        fake::AddFile(kMemo, "first\nsecond\n");
        process::fileList[0].path = kMemo;
        process::fileCount = 1;
        fake::clipboard = clipboardBefore = "old";
    }
    inline static std::optional<std::string> clipboardBefore;  // Outcome shows the clipboard when it differs
    // The start of a run with this command line and settings file, the launchers read.
    static bool Load(const std::string& commandLine, const std::optional<std::string>& ini) {
        if (ini) fake::AddFile(kIni, *ini);
        process::programPaths.commandLine = commandLine;
        const bool loaded = StartUp(kWindow);
        ReadLaunchers(kMaxLaunchers);
        return loaded;
    }
    // The lines of a page: item k is line 10 + k.
    static void Lines(std::initializer_list<std::string> lines) {
        MenuItemTable& table = process::menuItems;
        table.itemCount = table.markedCount = table.linesScanned = 0;
        for (const auto& line : lines) {
            table.items[table.itemCount] = MenuItem{line, line, 0, 10 + table.itemCount};
            table.linesScanned = ++table.itemCount;
        }
    }
    static void Mark(const std::string& items) {  // "13": items 1 and 3
        for (char k : items) process::menuItems.items[k - '0'].marked = 1;
        process::menuItems.markedCount += int(items.size());
    }
    static void Launcher(int k, const char* target, const char* parameters) {
        process::launchers[k] = LauncherEntry{target, target, parameters};
        process::launcherCount = std::max(process::launcherCount, k + 1);
    }
    // Labels joined by ", ": "-" a separator, "|" before an item that starts a column, "#" and
    // what it draws for an owner-drawn item, "*" after a checked one, a submenu in braces.
    static std::string Render(os::Menu menu) {
        std::string out, drawn;
        for (const auto& item : menu->items) {
            out += &item == &menu->items.front() ? "" : ", ";
            out += item.flags & os::kMfMenuBarBreak ? "|" : "";
            const bool ownerDrawn = item.flags & os::kMfOwnerDraw && OwnerDrawLabel(item.id, &drawn);
            out += item.flags & os::kMfSeparator ? "-" : ownerDrawn ? "#" + drawn : item.label;
            out += item.flags & os::kMfChecked ? "*" : "";
            if (item.submenu) out += "{" + Render(item.submenu) + "}";
        }
        return out;
    }
    // What left the program: programs run, documents opened, the clipboard when it changed
    // (CR LF as "|"), beeps, message boxes, files made, menus and hooks left, the window closed.
    static std::string Outcome() {
        std::string out, clip = fake::clipboard.value_or("");
        auto add = [&out](const std::string& what) { out += (out.empty() ? "" : "; ") + what; };
        for (const auto& l : fake::launches) {  // the working folder when it is not the program's own
            const std::string own = l.parameters ? l.file.substr(0, l.file.rfind('\\') + 1) : "";
            const std::string in = l.folder.value_or("") == own ? "" : " @" + l.folder.value_or("null");
            add((l.parameters ? "run " + l.file + " " + *l.parameters : "open " + l.file) + in);
        }
        for (size_t at; (at = clip.find("\r\n")) != std::string::npos;) clip.replace(at, 2, "|");
        if (fake::clipboard != clipboardBefore) add(fake::clipboard ? "clip " + clip : "no clip");
        if (fake::beeps) add("beep" + (fake::beeps > 1 ? std::to_string(fake::beeps) : ""));
        for (const auto& box : fake::errorBoxes) add("box " + box.text + " " + box.title);
        for (const auto& file : fake::createdFiles) add("made " + file);
        if (!fake::liveMenus.empty()) add(std::to_string(fake::liveMenus.size()) + " menus");
        if (fake::hooksInstalled) add(std::to_string(fake::hooksInstalled) + " hooks");
        if (fake::closeCalls) add("closed");
        return out;
    }
    static std::string AndOutcome(const std::string& shown) {
        const std::string left = Outcome();
        return shown + (shown.empty() || left.empty() ? "" : " ; ") + left;
    }
};

}  // namespace qv
