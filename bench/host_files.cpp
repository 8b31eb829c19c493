#include "host_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "fake_os.h"

namespace {

// Read with read(): a sparse file of 2 GB is never held.
struct HostFile : os::FileObj {
    explicit HostFile(int fd) : fd(fd) {}
    ~HostFile() override { close(fd); }
    bool Read(char* buffer, size_t count, size_t* got) override {
        const ssize_t n = read(fd, buffer, count);
        *got = n > 0 ? size_t(n) : 0;
        return n >= 0;
    }
    uint64_t Size() const override {
        struct stat info;
        return fstat(fd, &info) == 0 ? uint64_t(info.st_size) : 0;
    }
    int fd;
};

class Mount : public fake::HostFiles {
public:
    void Set(const std::string& windowsPrefix, const std::string& hostFolder) {
        prefix_ = Lower(windowsPrefix);
        while (!prefix_.empty() && prefix_.back() == '\\') prefix_.pop_back();
        folder_ = hostFolder;
        while (!folder_.empty() && folder_.back() == '/') folder_.pop_back();
    }
    bool Exists(const std::string& path, bool* folder) override {
        struct stat info;
        if (!Host(path, &info)) return false;
        *folder = S_ISDIR(info.st_mode);
        return true;
    }
    os::File Open(const std::string& path) override {
        struct stat info;
        const int fd = Host(path, &info) && !S_ISDIR(info.st_mode) ? open(host_.c_str(), O_RDONLY) : -1;
        return fd < 0 ? nullptr : new HostFile(fd);
    }
    // As FindFirstFile, the listing itself tells folders from files where it can.
    bool List(const std::string& path, std::vector<os::FindEntry>* entries) override {
        struct stat info;
        DIR* dir = Host(path, &info) ? opendir(host_.c_str()) : nullptr;
        if (!dir) return false;
        for (dirent* d; (d = readdir(dir)) != nullptr;) {
            bool folder = d->d_type == DT_DIR;
            if (d->d_type == DT_UNKNOWN) folder = stat((host_ + "/" + d->d_name).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
            entries->push_back({d->d_name, folder});
        }
        closedir(dir);
        return true;
    }

private:
    static std::string Lower(std::string text) {
        std::transform(text.begin(), text.end(), text.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; });
        return text;
    }
    // The host path of path in host_, when it is under the prefix and there.
    bool Host(const std::string& path, struct stat* info) {
        const size_t n = prefix_.size();
        if (prefix_.empty() || Lower(path.substr(0, n)) != prefix_ || (path.size() > n && path[n] != '\\' && path[n] != '/'))
            return false;
        host_ = folder_ + path.substr(n);
        std::replace(host_.begin(), host_.end(), '\\', '/');
        return stat(host_.c_str(), info) == 0;
    }
    std::string prefix_, folder_, host_;
};

}  // namespace

void bench::MountHostFolder(const std::string& windowsPrefix, const std::string& hostFolder) {
    static Mount mount;
    mount.Set(windowsPrefix, hostFolder);
    fake::hostFiles = &mount;
}
