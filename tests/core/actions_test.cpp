// What a chosen line does: the current launcher applied to the page's lines
// and the marked ones, its macros expanded, its copies kept after the
// clipboard's text or started afresh.
#include <string>

#include "fixture.h"
#include "menu/launch.h"

namespace qv {
namespace {

// Lines a, "b c", d and an empty one (lines 10 to 13), in C:\表\memo.txt, which holds "first\nsecond\n".
TEST_F(Machine, LaunchStep) {
    // item: the line chosen, -1 the title (the first marked line); marks: the items marked; with: p the kept-text
    // prefix on, c Ctrl held, b the clipboard busy, n no text on it, e an empty text, 0 no page read, f
    // a keyword filter that left no line of the page.
    const std::string p = "run C:\\tools\\p.exe ", memo = "open C:\\\x95\x5C\\memo.txt";
    const struct { const char *target, *params, *marks; int item; const char* with; std::string expected; } rows[] = {
        {"@SYSTEM", "\"%P\" -x", "", 2, "", memo}, {kProgram, "%P %$J", "", 2, "", p + "C:\\\x95\x5C\\memo.txt 12"},
        {kProgram, "%$J", "", -1, "", p + "1"},  // no line marked: line 1
        {kProgram, "%$J", "21", -1, "", p + "11"}, {kProgram, "%$J", "", 4, "", ""}, {kProgram, "%M", "", 2, "", ""},
        {"@Clip", "%P", "", 2, "", "clip a|b c|d|; beep"}, {kProgram, "%C%N", "", 2, "", p + "memo.txt; clip a|b c|d|"},
        {kProgram, "%X%N", "", 2, "", p + "memo.txt; clip first|second|"},
        {"@clipX", "", "", 2, "", "clip first|second|; beep"}, {"@clip", "", "", -1, "0", ""},
        {"@clipX", "", "", 2, "p", "clip old|first|second|; beep"}, {"@clip", "", "", -1, "f", ""},
        {kProgram, "%C%N", "", -1, "0", p + "memo.txt"}, {"@system", "%M", "12", -1, "", memo},
        {kProgram, "view \"%M\" -r", "12", -1, "", p + "view \"b c\" \"d\" -r"},
        {kProgram, "x\"%T\"y", "12", -1, "", p + "x\"b cd\"y"},
        {kProgram, "view %m %M", "12", -1, "", p + "view b c d %M"},  // the first only
        {kProgram, "%T \"%t\"", "12", -1, "", p + "%T \"b cd\""},  // the quoted form first
        {kProgram, "[%M]", "13", -1, "", p + "[b c ]"},  // an empty line keeps its blank
        {kProgram, "%Ca %M  b", "12", -1, "", p + "a  b; clip b c d"},
        {kProgram, "%X\"%T\" -y", "12", -1, "", p + "-y; clip \"b cd\""},
        {kProgram, "%C-q", "12", -1, "", p + "-q; clip b c|d"},
        {"@clip", "list %M", "12", -1, "", "clip list b c d; beep"},
        {"@clip", "<%t>", "12", -1, "", "clip <b cd>; beep"},
        {"@clipX", "", "12", -1, "", "clip b c|d; beep"},  // marks first
        {"C:\\nowhere\\q.exe", "\"%T\"", "12", -1, "", "open \"b cd\""},
        {kProgram, "%D|%-D|%F|%N|%E|%A|%B", "", 2, "",
         p + "C:\\\x95\x5C\\|C:\\\x95\x5C|\x95\x5C|memo.txt|.txt|memo|C:\\\x95\x5C\\memo"},
        {kProgram, "%n %$W %$j x%dy 100% %Q", "", 2, "", p + "memo.txt 133708 12 xC:\\\x95\x5C\\y 100% %Q"},
        {kProgram, "%X %C%P", "", 2, "", p + " C:\\\x95\x5C\\memo.txt; clip first|second|"},  // the last one wins
        {kProgram, "%C%C", "", 2, "", p + "%C; clip a|b c|d|"},  // the first only
        {"@clip", "", "", 1, "p", "clip old|a|b c|d|; beep"}, {"@clip", "", "", 1, "pc", "clip a|b c|d|; beep"},
        {kProgram, "%C", "", 1, "pc", p + "; clip a|b c|d|"}, {"@clip", "%M", "02", 1, "p", "clip old|a d; beep"},
        {"@clip", "%M", "02", 1, "pc", "clip a d; beep"}, {kProgram, "%C%M", "02", 1, "pc", p + "; clip a d"},
        {"@clip", "", "", 1, "pe", ""}, {"@clip", "", "", 1, "pn", ""}, {"@clip", "", "", 1, "b", ""},
        {"@clip", "%M", "02", 1, "pe", ""},
    };
    for (const auto& row : rows) {
        SetUp();
        const std::string with = row.with;
        Lines({"a", "b c", "d", ""});
        if (with.find('0') != std::string::npos || with.find('f') != std::string::npos) Lines({});
        if (with.find('f') != std::string::npos) process::menuItems.linesScanned = process::settings.keywordSets.filterActive = 1;
        Mark(row.marks);
        Launcher(0, row.target, row.params);
        process::clipboardPrefix = with.find('p') != std::string::npos;
        fake::clipboardBusy = with.find('b') != std::string::npos;
        if (with.find('n') != std::string::npos) fake::clipboard.reset();
        if (with.find('e') != std::string::npos) fake::clipboard = "";
        clipboardBefore = fake::clipboard;
        const ClipboardStart start = ClipboardStartFor(with.find('c') != std::string::npos);
        process::previousForeground = kActive;
        ApplyCurrentLauncher(row.item < 0 ? lineSourceFirstMarked : lineSourceItem, row.item, start);
        EXPECT_EQ(Outcome(), row.expected) << row.target << " " << row.params << " " << row.marks << row.with;
    }
}

}  // namespace
}  // namespace qv
