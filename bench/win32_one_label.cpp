// The floor the Windows window's start-up is measured against: one top-level window with one
// label, built with the same flags and manifest as quorvel.exe, open until it is closed.
#include <windows.h>

namespace {

LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

// main, as quorvel.exe has it: the same start-up code before the window.
int main() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"OneLabel";
    RegisterClassExW(&windowClass);
    HWND window = CreateWindowExW(0, L"OneLabel", L"One label", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 400, 120, nullptr, nullptr, instance, nullptr);
    CreateWindowExW(0, L"STATIC", L"Label1", WS_CHILD | WS_VISIBLE | SS_CENTER, 10, 10, 300, 20,
                    window, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
