// Benchmarks of the portable core on real files: the fake OS of the tests with
// the data folder mounted as C:\bench. Each reports the heap it held at most
// ("peak_heap") besides its time.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench_data.h"
#include "common/defaults.h"
#include "common/state.h"
#include "fake_os.h"
#include "heap_peak.h"
#include "host_files.h"
#include "lines/folders.h"
#include "menu/pages.h"
#include "menu/file_copy.h"
#include "os/os.h"
#include "output/marked.h"
#include "settings/launchers.h"
#include "settings/load_settings.h"
#include "process_reset.h"

extern char** environ;

namespace {

constexpr uint64_t kMB = 1000 * 1000;
constexpr uint64_t kGB = 1000 * kMB;
const char kKeyword[] = "timeout";
const char kMount[] = "C:\\bench";

// The fake OS's name of a file or folder that bench_data made.
std::string InFake(const std::string& hostPath) {
    std::string path = kMount + hostPath.substr(bench::DataFolder().size());
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// The heap counted from here: what an earlier run left in the fake's clipboard
// and launch list is let go first, or it would count as what was there before.
void StartHeapCount() {
    fake::clipboard.reset();
    fake::launches.clear();
    bench::ResetHeapPeak();
}

void ReportHeap(benchmark::State& state) {
    state.counters["peak_heap"] = double(bench::HeapPeakSinceReset());
}

void UseFile(const std::string& path) {
    qv::ResetProcessState();
    qv::process::settings.rootStyle = qv::defaults::RootStyle();
    qv::process::settings.submenuStyle = qv::defaults::SubmenuStyle();
    qv::process::fileList[0].path = InFake(path);
    qv::process::fileCount = 1;
    qv::process::currentFile = 0;
}

void BM_LoadSettings(benchmark::State& state) {
    const std::string path = bench::SettingsFile(1 * kMB);
    StartHeapCount();
    for (auto _ : state) {
        qv::ResetProcessState();
        qv::process::programPaths.exeFolder = std::string(kMount) + "\\";
        qv::process::programPaths.baseName = "Qivora";
        qv::process::programPaths.settingsPath = InFake(path);
        const bool loaded = qv::LoadSettings(nullptr);
        qv::ReadLaunchers(qv::kMaxLaunchers);  // every [exec] entry, as the first menu would not
        if (!loaded || qv::process::launcherCount != 20) state.SkipWithError("settings not read");
    }
    ReportHeap(state);
}

// Fills a fresh root menu with `fill` on every iteration; the table must then
// hold `items` line items.
template <typename Fill>
void MeasureMenu(benchmark::State& state, int items, Fill fill) {
    StartHeapCount();
    for (auto _ : state) {
        os::Menu root = os::CreatePopupMenu();
        fill(root);
        os::DestroyMenu(root);
        if (qv::process::menuItems.itemCount != items) state.SkipWithError("not the expected number of lines");
    }
    ReportHeap(state);
}

// Names of one length: the menu's heading holds the name, and the three pages
// must differ only in the file's size.
std::string PageFileName(int64_t megabytes, bool utf8 = false) {
    char name[32];
    std::snprintf(name, sizeof name, "page-%04dMB.%s", int(megabytes), utf8 ? "u8" : "log");
    return name;
}

// A text page of 30 lines of files of 1 MB, 100 MB and 2 GB (sparse past 4 MB),
// in code page 932 (or ASCII) or, with a second argument 1, in UTF-8.
void BM_TextPage(benchmark::State& state) {
    const uint64_t size = uint64_t(state.range(0)) * kMB;
    const uint64_t data = size < 4 * kMB ? size : size > 100 * kMB ? 4 * kMB : size;
    const bool utf8 = state.range(1) == 1;
    UseFile(bench::LogFile(PageFileName(state.range(0), utf8), data, size, 100, utf8));
    MeasureMenu(state, 30, [](os::Menu root) { qv::BuildFileMenu(root); });
}

// A file submenu (20 items) of a file whose lines are 10 kB long.
void BM_SubmenuOfLongLines(benchmark::State& state) {
    UseFile(bench::LogFile("long-lines.log", 2 * kMB, 0, 10000));
    MeasureMenu(state, 20, [](os::Menu submenu) { qv::FillFileSubmenu(submenu, 0); });
}

void BM_PageOf999Items(benchmark::State& state) {
    UseFile(bench::LogFile(PageFileName(1), 1 * kMB, 0, 100));
    qv::process::settings.rootStyle.pageSize = 999;
    MeasureMenu(state, 999, [](os::Menu root) { qv::BuildFileMenu(root); });
}

const std::string& CopySource() {
    static const std::string path = bench::LogFile("copy-100MB.log", 100 * kMB, 0, 100);
    return path;
}

// The whole-file copy: 0 the lines with "Timeout" of 100 MB (1 in 50), 1 every
// line of 100 MB, 2 and 4 the same as 0 and 1 in UTF-8, 3 the few lines with
// "#123456" of 2 GB.
void BM_FilteredCopy(benchmark::State& state) {
    const int variant = int(state.range(0));
    const uint64_t size = variant == 3 ? 2000 * kMB : 100 * kMB;
    if (variant == 2 || variant == 4) UseFile(bench::LogFile("copy-100MB-utf8.log", size, 0, 100, true));
    else if (variant == 3) UseFile(bench::LogFile("copy-2GB.log", size, 0, 100));
    else UseFile(CopySource());
    qv::KeywordSets& sets = qv::process::settings.keywordSets;
    sets.words[1][0] = variant == 3 ? "#123456" : kKeyword;
    sets.wordCount[1] = 1;
    sets.selected[1] = sets.selectedCount = sets.filterActive = variant == 1 || variant == 4 ? 0 : 1;
    StartHeapCount();
    for (auto _ : state) {
        fake::clipboard.reset();
        if (!qv::CopyFilteredFileToClipboard(0, qv::ClipboardStart::afresh)) state.SkipWithError("nothing copied");
    }
    state.counters["copied"] = double(fake::clipboard ? fake::clipboard->size() : 0);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(size));
    ReportHeap(state);
}

// grep -F -i of the same word on the same file, its output into a file: with
// its output on /dev/null, grep stops at the first match.
void BM_GrepSameFile(benchmark::State& state) {
    const std::string output = state.range(0) ? bench::DataFolder() + "/grep.out" : "/dev/null";
    std::string file = CopySource();
    for (auto _ : state) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        char grep[] = "grep", f[] = "-F", i[] = "-i", word[sizeof kKeyword];
        std::memcpy(word, kKeyword, sizeof kKeyword);
        char* argv[] = {grep, f, i, word, &file[0], nullptr};
        pid_t pid = 0;
        int status = 0;
        if (posix_spawnp(&pid, "grep", &actions, nullptr, argv, environ) != 0 || waitpid(pid, &status, 0) < 0 ||
            !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            state.SkipWithError("grep failed");
        posix_spawn_file_actions_destroy(&actions);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(100 * kMB));
}

// The listing stops at 200 text files; the tree holds 10,000 files, 3 in 100
// of them text files.
void BM_FolderListing(benchmark::State& state) {
    const std::string root = InFake(bench::FileTree(100, 100, 3));
    qv::ResetProcessState();
    for (auto _ : state) {
        qv::process::settings.includeSubfolders = 1;
        qv::process::settings.extensionFilters[0] = ".txt";
        qv::process::settings.extensionFilterCount = 1;
        qv::ListFolder(root);
        if (qv::process::fileCount != qv::kMaxFiles) state.SkipWithError("not 200 files");
    }
}

void BM_SortFileList(benchmark::State& state) {
    const std::string root = InFake(bench::FileTree(100, 100, 3));
    qv::ResetProcessState();
    qv::process::settings.includeSubfolders = 1;
    qv::process::settings.folderGrouping = int(state.range(0));
    qv::process::settings.extensionFilters[0] = ".txt";
    qv::process::settings.extensionFilterCount = 1;
    qv::ListFolder(root);
    static qv::FileEntry listed[qv::kMaxFiles];
    std::copy(qv::process::fileList, qv::process::fileList + qv::kMaxFiles, listed);
    for (auto _ : state) {
        state.PauseTiming();
        std::copy(listed, listed + qv::kMaxFiles, qv::process::fileList);
        state.ResumeTiming();
        qv::SortFileList();
    }
}

void MarkLines(int count, size_t length) {
    qv::ResetProcessState();
    std::string line;
    for (size_t i = 0; i < length; ++i) line += char('a' + i % 26);
    for (int k = 0; k < count; ++k) {
        qv::process::menuItems.items[k].fullText = line;
        qv::process::menuItems.items[k].marked = 1;
        qv::process::menuItems.items[k].lineNumber = k + 1;
    }
    qv::process::menuItems.itemCount = qv::process::menuItems.markedCount = count;
    fake::AddFile("C:\\Tools\\viewer.exe", "");
    qv::process::launchers[0].target = "C:\\Tools\\viewer.exe";
    qv::process::launcherCount = 1;
}

void BM_MarkedLinesCommand(benchmark::State& state) {
    MarkLines(999, 1000);
    const qv::Expansion expansion{"-n \"%M\" -x", qv::MarkedList::arguments};
    StartHeapCount();
    for (auto _ : state) {
        qv::RunMarkedLines(expansion, qv::actionRun, qv::ClipboardStart::afresh);
        if (fake::launches.size() != 1 || fake::launches[0].parameters->size() < 999 * 1000)
            state.SkipWithError("no command");
        fake::launches.clear();  // the fake keeps every launch
    }
    ReportHeap(state);
}

void BM_MarkedLinesToClipboard(benchmark::State& state) {
    MarkLines(999, 1000);
    const qv::Expansion expansion{"\"%T\"", qv::MarkedList::text};
    StartHeapCount();
    for (auto _ : state) qv::RunMarkedLines(expansion, qv::actionCopy, qv::ClipboardStart::afresh);
    if (!fake::clipboard || fake::clipboard->size() < 999 * 1000) state.SkipWithError("lines not copied");
    ReportHeap(state);
}

}  // namespace

BENCHMARK(BM_LoadSettings)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_TextPage)
    ->Args({1, 0})->Args({100, 0})->Args({2000, 0})->Args({1, 1})->Args({2000, 1})
    ->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_SubmenuOfLongLines)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_PageOf999Items)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_FilteredCopy)->Arg(0)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_FilteredCopy)->Arg(3)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_GrepSameFile)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_FolderListing)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_SortFileList)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_MarkedLinesCommand)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_MarkedLinesToClipboard)->Unit(benchmark::kMicrosecond)->UseRealTime();

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    fake::Reset();
    bench::MountHostFolder(kMount, bench::DataFolder());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (!std::getenv("QV_BENCH_KEEP")) bench::RemoveDataFolder();
    return 0;
}
