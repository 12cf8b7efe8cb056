// Reads the Quorvel window from outside, as a screen reader or a test robot on Windows would:
// the window's title and outer size, and for each field its text, selection, whether it
// scrolls, whether it is read-only and has the focus, its MSAA name and its place on the
// screen; the same places for the check box and the tabs. One line each, for the smoke test
// that drives the window with real input under wine. With --clipboard TEXT it puts TEXT
// (\t and \n standing for a tab and a line break) on the clipboard instead, as a spreadsheet
// that copied it would.
#include <windows.h>
// after windows.h, which they need
#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/text.h"
#include "ui/toolkit/win32/text.h"

namespace {

using platform::utf8;
using toolkit::windowText;

std::wstring textOf(HWND hwnd) {
    wchar_t buffer[512] = {};
    SendMessageW(hwnd, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

std::wstring classOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

std::string accessibleName(HWND hwnd) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&accessible))) ||
        accessible == nullptr)
        return "?";
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::string result = "?";
    if (SUCCEEDED(accessible->get_accName(self, &name)) && name != nullptr) {
        result = utf8(name);
        SysFreeString(name);
    }
    accessible->Release();
    return result;
}

std::vector<HWND> children;

BOOL CALLBACK collect(HWND hwnd, LPARAM) {
    children.push_back(hwnd);
    return TRUE;
}

void printPlace(const char* what, HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    std::printf("%s %ld %ld %ld %ld\n", what, r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// The text with its \t and \n escapes made real, on the clipboard.
int putOnClipboard(std::string text) {
    for (std::size_t at = 0; (at = text.find('\\', at)) != std::string::npos; ++at)
        if (at + 1 < text.size() && (text[at + 1] == 't' || text[at + 1] == 'n'))
            text.replace(at, 2, text[at + 1] == 't' ? "\t" : "\r\n");
    const std::wstring wide = platform::wide(text);
    if (!OpenClipboard(nullptr)) return 1;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    std::copy(wide.c_str(), wide.c_str() + wide.size() + 1,
              static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--clipboard") return putOnClipboard(argv[2]);
    CoInitialize(nullptr);
    HWND form = FindWindowW(L"QuorvelForm", nullptr);
    if (form == nullptr) {
        std::printf("no window\n");
        return 1;
    }
    std::printf("title %s\n", utf8(textOf(form)).c_str());
    printPlace("window", form);
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &thread);
    EnumChildWindows(form, collect, 0);

    // The fields by their place: the calculator row left to right, then the rates.
    std::vector<HWND> fields;
    for (HWND child : children)
        if (classOf(child) == L"Edit") fields.push_back(child);
    std::sort(fields.begin(), fields.end(), [](HWND a, HWND b) {
        RECT ra{}, rb{};
        GetWindowRect(a, &ra);
        GetWindowRect(b, &rb);
        return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
    });
    for (std::size_t i = 0; i < fields.size(); ++i) {
        HWND f = fields[i];
        DWORD start = 0, end = 0;
        SendMessageW(f, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        // A single-line edit reports the first character it shows: not 0 means it scrolled.
        const auto first = SendMessageW(f, EM_GETFIRSTVISIBLELINE, 0, 0);
        const bool readOnly = (GetWindowLongW(f, GWL_STYLE) & ES_READONLY) != 0;
        // Every character inside the client area: the first from its left edge on, the last
        // (its left plus the width of the one before it) before the right edge.
        const auto length = static_cast<int>(SendMessageW(f, WM_GETTEXTLENGTH, 0, 0));
        auto xOf = [f](int at) {
            return static_cast<short>(
                LOWORD(SendMessageW(f, EM_POSFROMCHAR, static_cast<WPARAM>(at), 0)));
        };
        RECT client{};
        GetClientRect(f, &client);
        bool fits = true;
        if (length >= 2) {
            const int last = xOf(length - 1);
            fits = xOf(0) >= 0 && last + (last - xOf(length - 2)) <= client.right;
        }
        std::printf(
            "field %zu visible=%d focus=%d readonly=%d sel=%lu,%lu first=%lld fits=%d name=%s\n", i,
            IsWindowVisible(f) ? 1 : 0, thread.hwndFocus == f ? 1 : 0, readOnly ? 1 : 0, start, end,
            static_cast<long long>(first), fits ? 1 : 0, accessibleName(f).c_str());
        std::printf("text %zu %s\n", i, utf8(textOf(f)).c_str());
        printPlace(("place " + std::to_string(i)).c_str(), f);
    }
    for (HWND child : children) {
        if (classOf(child) == L"Button") {
            std::printf("check %d focus=%d\n",
                        SendMessageW(child, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0,
                        thread.hwndFocus == child ? 1 : 0);
            printPlace("place check", child);
        }
        if (classOf(child) == WC_TABCONTROLW) {
            std::printf("tab %lld\n",
                        static_cast<long long>(SendMessageW(child, TCM_GETCURSEL, 0, 0)) + 1);
            RECT window{};
            GetWindowRect(child, &window);
            // The item rectangles are written in the window's own process: lend it memory.
            DWORD id = 0;
            GetWindowThreadProcessId(child, &id);
            HANDLE process =
                OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
            void* remote =
                VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
            for (int i = 0; i < 3; ++i) {
                RECT item{};
                SendMessageW(child, TCM_GETITEMRECT, static_cast<WPARAM>(i),
                             reinterpret_cast<LPARAM>(remote));
                ReadProcessMemory(process, remote, &item, sizeof item, nullptr);
                std::printf("place tab%d %ld %ld %ld %ld\n", i + 1, window.left + item.left,
                            window.top + item.top, item.right - item.left, item.bottom - item.top);
            }
            VirtualFreeEx(process, remote, 0, MEM_RELEASE);
            CloseHandle(process);
        }
        if (classOf(child) == L"Static" && IsWindowVisible(child))
            std::printf("label %s\n", utf8(textOf(child)).c_str());
    }
    // A tooltip on show: the tooltip windows of the program that are visible, with their text.
    EnumWindows(
        [](HWND hwnd, LPARAM) -> BOOL {
            if (IsWindowVisible(hwnd) && classOf(hwnd) == TOOLTIPS_CLASSW)
                std::printf("tooltip [%s]\n", utf8(textOf(hwnd)).c_str());
            return TRUE;
        },
        0);
    CoUninitialize();
    return 0;
}
