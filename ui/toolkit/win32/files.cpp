#include "ui/toolkit/files.h"

#include <windows.h>
// after windows.h, which it needs
#include <shlobj.h>

#include "ui/toolkit/win32/text.h"

namespace toolkit {

std::string configFolder() {
    PWSTR roaming = nullptr;
    std::string folder = ".";
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &roaming)))
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
    const int made = SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
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
