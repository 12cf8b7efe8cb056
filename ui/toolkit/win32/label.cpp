#include "ui/toolkit/label.h"

// The GUIDs of the accessibility annotations are defined here, once.
#include <initguid.h>
#include <oleacc.h>

#include "ui/toolkit/text.h"
#include "ui/toolkit/win32/native.h"

namespace toolkit {

namespace {

// COM for the annotations, from the first one to the program's end.
struct Apartment {
    Apartment() : entered(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~Apartment() {
        if (entered) CoUninitialize();
    }
    Apartment(const Apartment&) = delete;
    Apartment& operator=(const Apartment&) = delete;
    bool entered;
};

}  // namespace

// Screen readers ask MSAA for a field's name. Its own guess is the text of the window before
// the field, which a hidden label or the panel's other layout can get wrong: the label names
// its buddy outright (a dynamic annotation of the buddy's window).
void annotateName(HWND hwnd, const std::wstring& name) {
    static const Apartment apartment;
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&services))))
        return;  // no accessibility runtime: the screen reader's own guess stands
    services->SetHwndPropStr(hwnd, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                             name.c_str());
    services->Release();
}

Label::Label(ControlParent parent)
    : Control(std::make_unique<NativeCaptioned>(
          CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_CENTER, 0, 0, 0, 0,
                          parentWindow(parent), nullptr, instance(), nullptr),
          nativeFormOf(parent))) {
    native().applyFont();
}

void Label::announce() {
    NotifyWinEvent(EVENT_SYSTEM_ALERT, native().hwnd, OBJID_CLIENT, CHILDID_SELF);
}

void Label::setCaption(const std::string& caption) {
    caption_ = caption;
    SetWindowTextW(native().hwnd, wide(caption).c_str());
    if (visible()) nameBuddy();
}

void Label::setBuddy(Control* buddy) {
    buddy_ = buddy;
    if (visible()) nameBuddy();
}

void Label::nameBuddy() const {
    if (buddy_ == nullptr) return;
    // As it reads: without the ampersand, runs of blanks as one.
    std::string name;
    for (char c : plainText(caption_))
        if (c != ' ' || (!name.empty() && name.back() != ' ')) name += c;
    while (!name.empty() && name.back() == ' ') name.pop_back();
    buddy_->native().setAccessibleName(wide(name));
}

Size Label::contentSizeFor(const std::string& caption) const {
    auto& form = static_cast<NativeCaptioned&>(native()).form;
    HDC dc = form.fonts.measuring(form.fonts.get(false));
    const std::wstring text = wide(caption);
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    return {r.right - r.left + 2, r.bottom - r.top};
}

}  // namespace toolkit
