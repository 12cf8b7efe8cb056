#include "ui/toolkit/clipboard.h"

#include <cstring>

#include "ui/toolkit/win32/native.h"

namespace toolkit {

namespace {

// Open for as long as it is used: another program may hold it a moment.
struct OpenClipboardFor {
    explicit OpenClipboardFor(HWND owner) {
        for (int tries = 0; tries < 10 && !open; ++tries) {
            open = OpenClipboard(owner) != 0;
            if (!open) Sleep(10);
        }
    }
    ~OpenClipboardFor() {
        if (open) CloseClipboard();
    }
    OpenClipboardFor(const OpenClipboardFor&) = delete;
    OpenClipboardFor& operator=(const OpenClipboardFor&) = delete;
    bool open = false;
};

HWND owner() {
    NativeForm* form = activeForm();
    return form != nullptr ? form->hwnd : nullptr;
}

}  // namespace

std::string clipboardText() {
    const OpenClipboardFor clipboard(owner());
    if (!clipboard.open) return {};
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (data == nullptr) return {};
    const auto* text = static_cast<const wchar_t*>(GlobalLock(data));
    if (text == nullptr) return {};
    std::string out = utf8(text);
    GlobalUnlock(data);
    return out;
}

void setClipboardText(const std::string& text) {
    const std::wstring wide = platform::wide(text);
    const OpenClipboardFor clipboard(owner());
    if (!clipboard.open) return;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    if (memory == nullptr) return;
    auto* copy = static_cast<wchar_t*>(GlobalLock(memory));
    std::memcpy(copy, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) GlobalFree(memory);
}

}  // namespace toolkit
