// The resources embedded in the built Qivora.exe beside this test: the icon
// the window class loads, the version information Explorer shows and the
// manifest Windows reads before the program starts.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

std::string ProgramPath() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string path = self;
    return path.substr(0, path.find_last_of("\\/") + 1) + "Qivora.exe";
}

#pragma pack(push, 2)
struct IconGroupEntry {  // one image of an RT_GROUP_ICON resource
    BYTE width, height, colors, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)
static_assert(sizeof(IconGroupEntry) == 14, "the resource's own layout");

BOOL CALLBACK CountName(HMODULE, LPCSTR, LPSTR, LONG_PTR count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

class ProgramResources : public ::testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryExA(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module_, nullptr) << ProgramPath();
    }
    void TearDown() override {
        if (module_) FreeLibrary(module_);
    }
    // The resource's bytes; empty when it is missing.
    std::string Resource(LPCSTR name, LPCSTR type) const {
        HRSRC found = FindResourceA(module_, name, type);
        if (!found) return {};
        HGLOBAL loaded = LoadResource(module_, found);
        const void* data = loaded ? LockResource(loaded) : nullptr;
        return data ? std::string(static_cast<const char*>(data), SizeofResource(module_, found)) : std::string();
    }
    HMODULE module_ = nullptr;
};

TEST_F(ProgramResources, IconHoldsEveryImageSizeAndEachMakesAnIcon) {
    std::string group = Resource("MYICON", MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    ASSERT_GE(group.size(), 6u);
    const WORD* header = reinterpret_cast<const WORD*>(group.data());
    EXPECT_EQ(header[1], 1) << "an icon, not a cursor";
    const int count = header[2];
    ASSERT_EQ(group.size(), 6u + count * sizeof(IconGroupEntry));
    const IconGroupEntry* entries = reinterpret_cast<const IconGroupEntry*>(group.data() + 6);
    std::string sizes;
    for (int i = 0; i < count; ++i) {
        const int size = entries[i].width;
        sizes += std::to_string(size) + " ";
        EXPECT_EQ(entries[i].height, entries[i].width);
        EXPECT_EQ(entries[i].bitCount, 32) << size;
        std::string image = Resource(MAKEINTRESOURCEA(entries[i].id), MAKEINTRESOURCEA(3));  // RT_ICON
        ASSERT_EQ(image.size(), entries[i].bytes) << size;
        HICON icon = CreateIconFromResourceEx(reinterpret_cast<BYTE*>(&image[0]), DWORD(image.size()), TRUE,
                                              0x00030000, size, size, LR_DEFAULTCOLOR);
        EXPECT_NE(icon, nullptr) << size;
        DestroyIcon(icon);
    }
    EXPECT_EQ(sizes, "16 32 48 ");
}

TEST_F(ProgramResources, VersionInformationNamesTheRelease) {
    const std::string path = ProgramPath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::string block(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, &block[0]));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(&block[0], "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    const std::string version = QIVORA_VERSION;  // "1.06": major 1, minor 6
    const DWORD major = std::strtoul(version.c_str(), nullptr, 10);
    const DWORD minor = std::strtoul(version.c_str() + version.find('.') + 1, nullptr, 10);
    EXPECT_EQ(fixed->dwFileVersionMS, (major << 16) | minor);
    EXPECT_EQ(fixed->dwProductVersionMS, (major << 16) | minor);
    EXPECT_EQ(fixed->dwFileType, DWORD(VFT_APP));

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(&block[0], "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                               &length));
    ASSERT_GE(length, 4u);
    char prefix[64];
    wsprintfA(prefix, "\\StringFileInfo\\%04x%04x\\", translation[0], translation[1]);
    auto text = [&](const char* name) {
        char* value = nullptr;
        UINT chars = 0;
        if (!VerQueryValueA(&block[0], (std::string(prefix) + name).c_str(), reinterpret_cast<void**>(&value), &chars))
            return std::string("(missing)");
        return std::string(value);
    };
    EXPECT_EQ(text("ProductName"), "Qivora");
    EXPECT_EQ(text("FileVersion"), version);
    EXPECT_EQ(text("ProductVersion"), version);
    EXPECT_EQ(text("OriginalFilename"), "Qivora.exe");
    EXPECT_EQ(text("FileDescription").rfind("Qivora", 0), 0u) << text("FileDescription");
}

TEST_F(ProgramResources, OneManifestAskingForDpiAwarenessCommonControlsAndNoElevation) {
    int manifests = 0;
    EnumResourceNamesA(module_, MAKEINTRESOURCEA(24), CountName, reinterpret_cast<LONG_PTR>(&manifests));
    EXPECT_EQ(manifests, 1) << "a second manifest would be ignored or clash";
    const std::string manifest = Resource(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
    ASSERT_FALSE(manifest.empty());
    for (const char* part : {"name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
                             "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2<",
                             ">true/pm</dpiAware>", "level=\"asInvoker\"", "</assembly>"})
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
}

}  // namespace
