#include "ui/toolkit/file_dialog.h"

#include "ui/toolkit/win32/native.h"

#include <commdlg.h>

namespace toolkit {

namespace {

// "Exchange files (*.json)\0*.json\0All files (*.*)\0*.*\0\0", as the dialog reads its filter.
std::wstring filterOf(const FileKind& kind) {
    std::wstring patterns;
    for (const std::string& pattern : kind.patterns)
        patterns += (patterns.empty() ? L"" : L";") + platform::wide(pattern);
    std::wstring filter = platform::wide(kind.name) + L" (" + patterns + L")";
    filter += L'\0' + patterns + L'\0';
    filter += std::wstring(L"All files (*.*)") + L'\0' + L"*.*" + L'\0';
    return filter;
}

// One file: its path. Several: the folder, then each file's name, each ended by a nul.
std::vector<std::string> pathsOf(const std::wstring& buffer) {
    std::vector<std::wstring> parts;
    for (std::size_t at = 0; at < buffer.size() && buffer[at] != L'\0';) {
        const std::size_t end = buffer.find(L'\0', at);
        parts.push_back(buffer.substr(at, end - at));
        at = end + 1;
    }
    std::vector<std::string> paths;
    if (parts.size() == 1) paths.push_back(platform::utf8(parts[0]));
    for (std::size_t i = 1; i < parts.size(); ++i)
        paths.push_back(platform::utf8(parts[0] + L"\\" + parts[i]));
    return paths;
}

}  // namespace

std::vector<std::string> chooseFilesToOpen(Form& owner, const std::string& title,
                                           const FileKind& kind) {
    const std::wstring filter = filterOf(kind);
    const std::wstring caption = platform::wide(title);
    // Room for many names at once.
    std::wstring buffer(32768, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner.native().hwnd;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrTitle = caption.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST |
                   OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (!GetOpenFileNameW(&dialog)) return {};
    return pathsOf(buffer);
}

}  // namespace toolkit
