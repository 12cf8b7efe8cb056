#include "platform/files.h"

#include <windows.h>
// after windows.h, which it needs
#include <shlobj.h>

#include "platform/text.h"

namespace platform {

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

bool fileExists(const std::string& path) {
    return GetFileAttributesW(wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<FileStamp> fileStamp(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(wide(path).c_str(), GetFileExInfoStandard, &data))
        return std::nullopt;
    const auto join = [](DWORD high, DWORD low) {
        return static_cast<long long>((static_cast<unsigned long long>(high) << 32) | low);
    };
    return FileStamp{join(data.nFileSizeHigh, data.nFileSizeLow),
                     join(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime)};
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

bool folderIsOwn(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

ReadResult readFile(const std::string& path, std::size_t limit, std::string& text) {
    const HANDLE file =
        CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_PATH_NOT_FOUND
                   ? ReadResult::Missing
                   : ReadResult::Failed;
    ReadResult result =
        GetFileType(file) == FILE_TYPE_DISK ? ReadResult::Read : ReadResult::NotAFile;
    text.clear();
    char buffer[65536];
    for (DWORD n = 0; result == ReadResult::Read;) {
        if (!ReadFile(file, buffer, sizeof buffer, &n, nullptr)) result = ReadResult::Failed;
        if (n == 0) break;
        text.append(buffer, n);
        if (text.size() > limit) result = ReadResult::TooLarge;
    }
    CloseHandle(file);
    return result;
}

std::string writeFileCarefully(const std::string& path, const std::string& text) {
    static unsigned made = 0;
    const std::string fresh = path + ".new-" + std::to_string(GetCurrentProcessId()) + "-" +
                              std::to_string(GetTickCount()) + "-" + std::to_string(++made);
    // CREATE_NEW: a file or a link already under the name is never opened.
    const HANDLE file = CreateFileW(wide(fresh).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return systemMessage(GetLastError());
    DWORD written = 0;
    bool ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
              written == text.size() && FlushFileBuffers(file);
    DWORD error = GetLastError();
    if (!CloseHandle(file) && ok) {
        ok = false;
        error = GetLastError();
    }
    if (ok && MoveFileExW(wide(fresh).c_str(), wide(path).c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    if (ok) error = GetLastError();
    DeleteFileW(wide(fresh).c_str());
    return systemMessage(error);
}

}  // namespace platform
