// The focus guard and the messages of the form's child controls. A field is validated before
// the focus leaves it by any means: Tab and Shift+Tab, Enter (through pressTab), a click on
// another field, the check box or the tabs, and an access key. The message loop asks here
// before it dispatches, which is the last point at which the move can still be refused.

#include <algorithm>

#include "ui/toolkit/check_box.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/tab_strip.h"
#include "ui/toolkit/text.h"
#include "ui/toolkit/text_box.h"
#include "ui/toolkit/win32/native.h"

namespace toolkit {

namespace {

bool takesTab(const Control& control) {
    if (!IsWindowVisible(control.native().hwnd) || !IsWindowEnabled(control.native().hwnd))
        return false;
    if (const auto* box = dynamic_cast<const TextBox*>(&control)) return box->tabStop();
    return true;
}

// The message that ends a press of the button that message presses.
UINT releaseOf(UINT message) {
    switch (message) {
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            return WM_RBUTTONUP;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            return WM_MBUTTONUP;
        case WM_XBUTTONDOWN:
        case WM_XBUTTONDBLCLK:
            return WM_XBUTTONUP;
        default:
            return WM_LBUTTONUP;
    }
}

bool actsOnClick(const Control* control) {
    return dynamic_cast<const TextBox*>(control) != nullptr ||
           dynamic_cast<const CheckBox*>(control) != nullptr ||
           dynamic_cast<const TabStrip*>(control) != nullptr;
}

}  // namespace

void NativeForm::tab(bool backwards) {
    if (!form.mayLeaveFor(nullptr) || tabOrder.empty()) return;
    // From the control with the focus (from before the first one when none has it) to the next
    // that takes Tab, round the order.
    const Control* current = controlOf(GetFocus());
    const auto count = static_cast<int>(tabOrder.size());
    const auto found = std::find(tabOrder.begin(), tabOrder.end(), current);
    const int at = found != tabOrder.end() ? static_cast<int>(found - tabOrder.begin())
                                           : (backwards ? 0 : count - 1);
    for (int step = 1; step <= count; ++step) {
        const int next = (at + (backwards ? count - step : step)) % count;
        const Control* candidate = tabOrder[static_cast<std::size_t>(next)];
        if (takesTab(*candidate)) {
            SetFocus(candidate->native().hwnd);
            return;
        }
    }
}

namespace {

// The control an access key answers: a shown label's buddy, the check box, or a tab.
bool pressAccessKey(NativeForm& form, char key) {
    for (const auto& control : form.form.controls()) {
        if (const auto* label = dynamic_cast<const Label*>(control.get())) {
            if (!label->visible() || accessKeyOf(label->caption()) != key || !label->buddy())
                continue;
            if (form.form.mayLeaveFor(label->buddy())) SetFocus(label->buddy()->native().hwnd);
            return true;
        }
        if (auto* box = dynamic_cast<CheckBox*>(control.get())) {
            if (!box->visible() || accessKeyOf(box->caption()) != key) continue;
            if (form.form.mayLeaveFor(box)) {
                SetFocus(box->native().hwnd);
                box->setValue(1 - box->value());
            }
            return true;
        }
        if (auto* tabs = dynamic_cast<TabStrip*>(control.get())) {
            for (int i = 1; i <= tabs->tabCount(); ++i) {
                if (accessKeyOf(tabs->tabCaption(i)) != key) continue;
                if (!form.form.mayLeaveFor(tabs)) return true;
                // The selected tab's key does what a click on it does.
                if (tabs->selectedItem() == i) {
                    if (tabs->click) tabs->click();
                } else {
                    tabs->setSelectedItem(i);
                }
                return true;
            }
        }
    }
    return false;
}

}  // namespace

bool NativeForm::preTranslate(MSG& message) {
    if (message.hwnd == nullptr || (message.hwnd != hwnd && !IsChild(hwnd, message.hwnd)))
        return false;
    switch (message.message) {
        case WM_KEYDOWN:
            if (message.wParam != VK_TAB || GetKeyState(VK_CONTROL) < 0) return false;
            tab(GetKeyState(VK_SHIFT) < 0);
            return true;
        case WM_SYSKEYDOWN: {
            const auto key = static_cast<char>(message.wParam);
            const bool letterOrDigit = (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
            if (!letterOrDigit) return false;  // Alt+F4 and the system menu stay the system's
            // Alt with a letter is an access key; where none answers, it types nothing either.
            pressAccessKey(*this,
                           key >= 'A' && key <= 'Z' ? static_cast<char>(key - 'A' + 'a') : key);
            return true;
        }
        // Any button: a right press focuses a field as a left one does, before its menu opens.
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
        case WM_XBUTTONDOWN:
        case WM_XBUTTONDBLCLK: {
            const Control* target = controlOf(message.hwnd);
            if (!actsOnClick(target) || form.mayLeaveFor(target)) return false;
            swallowRelease = releaseOf(message.message);
            return true;
        }
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
        case WM_XBUTTONUP:
            if (swallowRelease != message.message) return false;
            swallowRelease = 0;
            return true;
        default:
            return false;
    }
}

bool NativeForm::onChildMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_COMMAND: {
            auto found = byWindow.find(reinterpret_cast<HWND>(lParam));
            if (found == byWindow.end()) return false;
            if (auto* box = dynamic_cast<CheckBox*>(found->second);
                box && HIWORD(wParam) == BN_CLICKED) {
                if (box->click) box->click();
                return true;
            }
            if (dynamic_cast<TextBox*>(found->second) && HIWORD(wParam) == EN_CHANGE) {
                found->second->native().applyFont();  // typed text may need a smaller size
                return true;
            }
            return false;
        }
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            for (const auto& control : form.controls()) {
                auto* tabs = dynamic_cast<TabStrip*>(control.get());
                if (tabs == nullptr) continue;
                HWND strip = tabs->native().hwnd;
                if (header->hwndFrom == strip && header->code == TCN_SELCHANGE) {
                    if (tabs->click) tabs->click();
                    return true;
                }
            }
            return false;
        }
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            auto found = byWindow.find(reinterpret_cast<HWND>(lParam));
            if (found == byWindow.end()) return false;
            auto dc = reinterpret_cast<HDC>(wParam);
            SystemColour back = SystemColour::ButtonFace, fore = SystemColour::ButtonText;
            if (const auto* box = dynamic_cast<const TextBox*>(found->second)) {
                back = box->backColor();
                fore = box->foreColor();
            } else if (dynamic_cast<const CheckBox*>(found->second)) {
                fore = SystemColour::WindowText;
            }
            SetTextColor(dc, colourOf(fore));
            SetBkColor(dc, colourOf(back));
            result = reinterpret_cast<LRESULT>(brushOf(back));
            return true;
        }
        default:
            return false;
    }
}

}  // namespace toolkit
