// Starts a program with an exact command line, as Windows would, on an empty clipboard, and reports
// how it ended and what it left there. "runner.exe REQUEST": REQUEST holds the command line, a line
// end and the working folder; REQUEST.out gets "EXIT text" (or "EXIT none"), a line end and the
// CF_TEXT left, EXIT being the exit code or "timeout". "runner.exe" alone keeps Wine's system
// processes up until it is ended.
#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2) Sleep(INFINITE);
    std::ifstream in(argv[1], std::ios::binary);
    std::string command{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::string folder = command.substr(command.find('\n') + 1);
    command.resize(command.find('\n'));
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
    // Every program it starts runs in the job, and ends with it.
    HANDLE job = CreateJobObjectA(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string answer = "cannot-start";
    if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup, &process)) {
        AssignProcessToJobObject(job, process.hProcess);
        DWORD code = 99;
        if (WaitForSingleObject(process.hProcess, 20000) == WAIT_TIMEOUT) TerminateProcess(process.hProcess, 99);
        else GetExitCodeProcess(process.hProcess, &code);
        answer = code == 99 ? "timeout" : std::to_string(code);
        // Programs it started may still be writing: they get time before the job ends them.
        JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
        for (int i = 0; i < 100 && QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &accounting,
                                                            sizeof accounting, nullptr) && accounting.ActiveProcesses; ++i)
            Sleep(50);
    }
    HANDLE data = OpenClipboard(nullptr) ? GetClipboardData(CF_TEXT) : nullptr;
    const char* text = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    answer += text ? " text\n" + std::string(text) : " none\n";
    if (data) GlobalUnlock(data);
    CloseClipboard();
    // Written whole, then renamed, so that a reader never sees half of it.
    const std::string out = std::string(argv[1]) + ".out";
    std::ofstream(out + ".tmp", std::ios::binary) << answer;
    MoveFileExA((out + ".tmp").c_str(), out.c_str(), MOVEFILE_REPLACE_EXISTING);
    CloseHandle(job);
    return 0;
}
