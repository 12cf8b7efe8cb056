#include "ui/toolkit/win32/native.h"

namespace toolkit {

Fonts::~Fonts() {
    clear();
    if (measuring_ != nullptr) DeleteDC(measuring_);
}

HDC Fonts::measuring(HFONT font) {
    if (measuring_ == nullptr) measuring_ = CreateCompatibleDC(nullptr);
    SelectObject(measuring_, font);
    return measuring_;
}

void Fonts::clear() {
    if (measuring_ != nullptr) SelectObject(measuring_, GetStockObject(SYSTEM_FONT));
    for (auto& [key, font] : made_) DeleteObject(font);
    made_.clear();
}

void Fonts::setDpi(UINT dpi) {
    clear();
    dpi_ = dpi;
    // The font dialogs and message boxes use (Segoe UI 9 pt), as the system gives it at the
    // system's DPI, brought to the window's. (SystemParametersInfoForDpi would do both at
    // once, but wine 8 scales it from a DPI it has not always read yet.)
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HDC screen = GetDC(nullptr);
    const int systemDpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    metrics.lfMessageFont.lfHeight =
        MulDiv(metrics.lfMessageFont.lfHeight, static_cast<int>(dpi), systemDpi);
    base_ = metrics.lfMessageFont;
}

HFONT Fonts::get(bool bold, LONG height) {
    if (height == 0) height = base_.lfHeight;
    const auto key = std::make_pair(bold, height);
    if (auto found = made_.find(key); found != made_.end()) return found->second;
    LOGFONTW font = base_;
    font.lfHeight = height;
    font.lfWidth = 0;
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    HFONT made = CreateFontIndirectW(&font);
    made_[key] = made;
    return made;
}

void NativeCaptioned::applyFont() {
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(form.fonts.get(false)), TRUE);
}

}  // namespace toolkit
