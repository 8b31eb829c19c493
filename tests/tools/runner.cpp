// Starts a program with an exact command line, as Windows would, and reports
// how it ended and what it left on the clipboard.
//   runner.exe REQUEST   REQUEST holds "cmd=...", "cwd=...", "clip=HEX" (preset),
//                        "timeout=MS"; the answer goes to REQUEST.out:
//                        "exit=N" (or "exit=timeout"), "clip=HEX" or "clip=none";
//                        REQUEST.texts holds "text=HEX" for every window text the
//                        program has shown so far (titles and the texts of their
//                        controls, e.g. a message box), written as they appear.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string FromHex(const std::string& hex) {
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) bytes.push_back(char(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}
std::string ToHex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : bytes) {
        hex.push_back(digits[c >> 4]);
        hex.push_back(digits[c & 15]);
    }
    return hex;
}
std::string ReadAll(const char* path) {
    std::string text;
    if (FILE* f = std::fopen(path, "rb")) {
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
        std::fclose(f);
    }
    return text;
}
std::string Field(const std::string& request, const std::string& key, bool* present = nullptr) {
    size_t at = 0;
    while (at < request.size()) {
        size_t end = request.find('\n', at);
        if (end == std::string::npos) end = request.size();
        if (request.compare(at, key.size() + 1, key + "=") == 0) {
            if (present) *present = true;
            return request.substr(at + key.size() + 1, end - at - key.size() - 1);
        }
        at = end + 1;
    }
    if (present) *present = false;
    return std::string();
}
// Written whole and then renamed, so that a reader never sees half of it.
void WriteWhole(const std::string& path, const std::string& text) {
    const std::string partial = path + ".tmp";
    if (FILE* out = std::fopen(partial.c_str(), "wb")) {
        std::fwrite(text.data(), 1, text.size(), out);
        std::fclose(out);
        MoveFileExA(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
}
struct Texts {
    DWORD process;
    std::string path, lines;
};
void Note(HWND window, Texts* texts) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    const std::string line = "text=" + ToHex(text) + "\n";
    if (!text[0] || texts->lines.find(line) != std::string::npos) return;
    texts->lines += line;
    WriteWhole(texts->path, texts->lines);
}
BOOL CALLBACK NoteChild(HWND window, LPARAM data) {
    Note(window, reinterpret_cast<Texts*>(data));
    return TRUE;
}
BOOL CALLBACK NoteTopLevel(HWND window, LPARAM data) {
    auto texts = reinterpret_cast<Texts*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != texts->process || !IsWindowVisible(window)) return TRUE;
    Note(window, texts);
    EnumChildWindows(window, NoteChild, data);
    return TRUE;
}

void PresetClipboard(const std::string& bytes) {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes.size() + 1);
    memcpy(GlobalLock(block), bytes.data(), bytes.size());
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
}
std::string ClipboardHex() {
    std::string result = "none";
    if (!OpenClipboard(nullptr)) return result;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (auto text = static_cast<const char*>(GlobalLock(data))) {
            result = ToHex(text);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return result;
}


}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    std::string request = ReadAll(argv[1]);
    bool hasClip = false;
    std::string clip = Field(request, "clip", &hasClip);
    if (hasClip) PresetClipboard(FromHex(clip));
    std::string command = Field(request, "cmd"), folder = Field(request, "cwd");
    DWORD timeout = std::stoul("0" + Field(request, "timeout")) ?: 30000;

    HANDLE job = CreateJobObjectA(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string mutableCommand = command;
    std::string answer;
    if (!CreateProcessA(nullptr, &mutableCommand[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
        answer = "exit=cannot-start\n";
    } else {
        AssignProcessToJobObject(job, process.hProcess);
        Texts texts{process.dwProcessId, std::string(argv[1]) + ".texts", ""};
        DWORD waited = 0, status;
        while ((status = WaitForSingleObject(process.hProcess, 50)) == WAIT_TIMEOUT && waited < timeout) {
            waited += 50;
            EnumWindows(NoteTopLevel, reinterpret_cast<LPARAM>(&texts));
        }
        if (status == WAIT_TIMEOUT) {
            TerminateProcess(process.hProcess, 99);
            answer += "exit=timeout\n";
        } else {
            DWORD code = 0;
            GetExitCodeProcess(process.hProcess, &code);
            answer += "exit=" + std::to_string(code) + "\n";
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        // Programs it started may still be writing: give them time before the job ends them.
        for (int i = 0; i < 100; ++i) {
            JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
            if (!QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &accounting,
                                           sizeof accounting, nullptr) ||
                accounting.ActiveProcesses == 0)
                break;
            Sleep(50);
        }
    }
    answer += "clip=" + ClipboardHex() + "\n";
    WriteWhole(std::string(argv[1]) + ".out", answer);
    CloseHandle(job);
    return 0;
}
