#include "ui/toolkit/files.h"

#include <windows.h>
// after windows.h, which it needs
#include <shlobj.h>

#include "ui/toolkit/win32/text.h"

namespace toolkit {

namespace {

// shell32 is loaded when a folder is first asked for, from the system folder alone: linked, it
// and the libraries it brings were loaded at every start, for the market window's sheet.
HMODULE shell32() {
    static const HMODULE module =
        LoadLibraryExW(L"shell32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module;
}

template <typename F>
F shellFunction(const char* name) {
    return shell32() == nullptr
               ? nullptr
               : reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(shell32(), name)));
}

}  // namespace

std::string configFolder() {
    static const auto knownFolder =
        shellFunction<decltype(&SHGetKnownFolderPath)>("SHGetKnownFolderPath");
    PWSTR roaming = nullptr;
    std::string folder = ".";
    if (knownFolder != nullptr &&
        SUCCEEDED(knownFolder(FOLDERID_RoamingAppData, 0, nullptr, &roaming)))
        folder = utf8(roaming);
    CoTaskMemFree(roaming);
    return folder + "/Quorvel";
}

std::FILE* openFile(const std::string& path, const char* mode) {
    return _wfopen(wide(path).c_str(), wide(mode).c_str());
}

bool fileExists(const std::string& path) {
    return GetFileAttributesW(wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool makeFolders(const std::string& path) {
    std::wstring folder = wide(path);
    for (wchar_t& c : folder)
        if (c == L'/') c = L'\\';
    static const auto create =
        shellFunction<decltype(&SHCreateDirectoryExW)>("SHCreateDirectoryExW");
    if (create == nullptr) return false;
    const int made = create(nullptr, folder.c_str(), nullptr);
    return made == ERROR_SUCCESS || made == ERROR_ALREADY_EXISTS || made == ERROR_FILE_EXISTS;
}

bool replaceFile(const std::string& from, const std::string& to) {
    return MoveFileExW(wide(from).c_str(), wide(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool removeFile(const std::string& path) {
    return DeleteFileW(wide(path).c_str()) != 0;
}

}  // namespace toolkit
