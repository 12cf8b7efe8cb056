// A COMCTL32.dll planted beside a program, as an attacker would in a downloads folder: loaded,
// it leaves a file named after itself with ".loaded" added. It exports the names the installer
// imports, so that a program that loads it still starts and the mark shows.
#include <windows.h>

#include <string>

extern "C" {
__declspec(dllexport) int ImageList_AddMasked() {
    return -1;
}
__declspec(dllexport) void* ImageList_Create() {
    return nullptr;
}
__declspec(dllexport) int ImageList_Destroy() {
    return 0;
}
__declspec(dllexport) void InitCommonControls() {}
__declspec(dllexport) int InitCommonControlsEx() {
    return 1;
}
}

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(self, path, MAX_PATH);
    const std::wstring mark = std::wstring(path) + L".loaded";
    HANDLE file = CreateFileW(mark.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    return TRUE;
}
