// A fresh folder under the system's temporary folder, removed with its content.
#pragma once
#include <windows.h>

#include <string>

class TempFolder {
public:
    TempFolder() {
        char base[MAX_PATH];
        GetTempPathA(MAX_PATH, base);
        static int counter = 0;
        path_ = std::string(base) + "qv" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++counter) + "\\";
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~TempFolder() { RemoveTree(path_); }
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

    void Write(const std::string& name, const std::string& content) const {
        HANDLE file = CreateFileA((path_ + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, content.data(), DWORD(content.size()), &written, nullptr);
        CloseHandle(file);
    }
    void MakeFolder(const std::string& name) const { CreateDirectoryA((path_ + name).c_str(), nullptr); }

private:
    static void RemoveTree(const std::string& folder) {
        WIN32_FIND_DATAA data;
        HANDLE search = FindFirstFileA((folder + "*.*").c_str(), &data);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                std::string name = data.cFileName;
                if (name == "." || name == "..") continue;
                if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(folder + name + "\\");
                else {
                    SetFileAttributesA((folder + name).c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileA((folder + name).c_str());
                }
            } while (FindNextFileA(search, &data));
            FindClose(search);
        }
        RemoveDirectoryA(folder.c_str());
    }
    std::string path_;
};
