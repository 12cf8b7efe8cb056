#include "ui/toolkit/check_box.h"

#include "ui/toolkit/text.h"
#include "ui/toolkit/win32/native.h"

namespace toolkit {

namespace {

// A click anywhere in the control's rectangle toggles it: a BUTTON's whole window is its hit
// area. BN_CLICKED comes through the parent.
struct NativeCheckBox : NativeCaptioned {
    NativeCheckBox(HWND h, NativeForm& f, CheckBox& o) : NativeCaptioned(h, f), owner(o) {}
    bool onCommand(WORD code) override {
        if (code != BN_CLICKED) return false;
        if (owner.click) owner.click();
        return true;
    }
    void colours(SystemColour& back, SystemColour& fore) const override {
        back = SystemColour::ButtonFace;
        fore = SystemColour::WindowText;
    }
    CheckBox& owner;
};

}  // namespace

CheckBox::CheckBox(ControlParent parent, const std::string& caption)
    : Control(std::make_unique<NativeCheckBox>(
          CreateWindowExW(0, L"BUTTON", wide(caption).c_str(),
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 0, 0, 0,
                          parentWindow(parent), nullptr, instance(), nullptr),
          nativeFormOf(parent), *this)),
      caption_(caption) {
    native().applyFont();
}

int CheckBox::value() const {
    return SendMessageW(native().hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void CheckBox::setValue(int value) {
    if (value == this->value()) return;
    // A change by code raises click too, before setValue returns, as a click by the user does.
    SendMessageW(native().hwnd, BM_SETCHECK, value == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
    if (click) click();
}

Size CheckBox::contentSize() const {
    auto& form = static_cast<NativeCaptioned&>(native()).form;
    HDC dc = form.fonts.measuring(form.fonts.get(false));
    const std::wstring text = wide(plainText(caption_));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    // The box, the gap after it and the caption; the taller of box and caption.
    const int box = MulDiv(13, static_cast<int>(form.fonts.dpi()), 96);
    const int gap = MulDiv(6, static_cast<int>(form.fonts.dpi()), 96);
    return {box + gap + size.cx + 2, std::max(box, static_cast<int>(size.cy))};
}

}  // namespace toolkit
