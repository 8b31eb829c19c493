#include "bench_data.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace bench {

namespace {

const char* const kMessages[] = {
    "request handled", "cache miss for key", "connection opened from 10.0.3.17",
    "retrying after Timeout on upstream", "flushed write buffer", "user login accepted",
    "scheduled job finished", "configuration reloaded", "slow query on table orders",
};
const char* const kLevels[] = {"INFO ", "DEBUG", "WARN ", "ERROR"};

// Deterministic, so every run reads the same bytes.
uint32_t Next(uint32_t* state) {
    *state = *state * 1664525u + 1013904223u;
    return *state >> 8;
}

std::string LogLine(uint32_t* state, size_t number, size_t length, bool utf8 = false) {
    char head[128];
    uint32_t r = Next(state);
    const char* message = r % 50 == 0 ? kMessages[3] : kMessages[(r >> 6) % 9 == 3 ? 0 : (r >> 6) % 9];
    int n = std::snprintf(head, sizeof head, "2024-05-%02u %02u:%02u:%02u.%03u [%s] worker-%02u %s #%zu ",
                          1 + r % 28, r % 24, (r >> 5) % 60, (r >> 11) % 60, (r >> 3) % 1000,
                          kLevels[(r >> 17) % 4], (r >> 13) % 32, message, number);
    std::string line(head, size_t(n));
    if (utf8) line += "\xE5\x87\xA6\xE7\x90\x86\xE4\xB8\xAD ";  // 処理中, as UTF-8
    while (line.size() + 1 < length) line += "abcdefghijklmnopqrstuvwxyz0123456789 "[Next(state) % 37];
    line += '\n';
    return line;
}

bool Exists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

}  // namespace

const std::string& DataFolder() {
    static const std::string folder = [] {
        const char* set = std::getenv("QV_BENCH_DATA");
        std::string f = set && *set ? set : "bench-data";
        mkdir(f.c_str(), 0755);
        return f;
    }();
    return folder;
}

void RemoveDataFolder() {
    std::string command = "rm -rf '" + DataFolder() + "'";
    if (std::system(command.c_str()) != 0) std::fprintf(stderr, "could not remove %s\n", DataFolder().c_str());
}

std::string LogFile(const std::string& name, uint64_t dataBytes, uint64_t total, size_t lineLength, bool utf8) {
    std::string path = DataFolder() + "/" + name;
    if (Exists(path)) return path;
    FILE* f = std::fopen(path.c_str(), "wb");
    uint32_t state = 12345;
    uint64_t written = 0;
    for (size_t number = 1; written < dataBytes; ++number) {
        std::string line = LogLine(&state, number, lineLength, utf8);
        std::fwrite(line.data(), 1, line.size(), f);
        written += line.size();
    }
    std::fclose(f);
    if (total > written && truncate(path.c_str(), off_t(total)) != 0) std::perror("truncate");
    return path;
}

std::string SettingsFile(uint64_t total) {
    std::string path = DataFolder() + "/Qivora.ini";
    if (Exists(path)) return path;
    std::string text =
        "[system]\r\n@menu=mouse\r\n@font=ＭＳ ゴシック,14,400\r\n@text=0,30,80\r\n@list=1,1\r\n"
        "@filter=.txt,.log,.md\r\n@editor=notepad.exe\r\n@grep1=error,Timeout\r\n@grep2=warn\r\n";
    uint32_t state = 99;
    for (size_t number = 1; text.size() < total - 4096; ++number)
        text += "; " + LogLine(&state, number, 120).substr(0, 117) + "\r\n";
    text += "%end\r\n[exec]\r\n";
    for (int i = 0; i < 20; ++i)
        text += i % 2 ? "@clip | copy " + std::to_string(i) + "\r\n>%L\r\n"
                      : "@system | open " + std::to_string(i) + "\r\n";
    text += "%end\r\n";
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
    return path;
}

std::string FileTree(int folders, int filesEach, int txtEach) {
    std::string root = DataFolder() + "/tree";
    if (Exists(root)) return root;
    mkdir(root.c_str(), 0755);
    const char* const others[] = {".log", ".dat", ".csv", ".bak"};
    for (int d = 0; d < folders; ++d) {
        std::string folder = root + "/folder" + std::to_string(d);
        mkdir(folder.c_str(), 0755);
        for (int i = 0; i < filesEach; ++i) {
            std::string name = folder + "/note" + std::to_string((i * 37 + d) % filesEach) +
                               (i < txtEach ? ".txt" : others[i % 4]);
            if (FILE* f = std::fopen(name.c_str(), "wb")) {
                std::fputs("a line\n", f);
                std::fclose(f);
            }
        }
    }
    return root;
}

}  // namespace bench
