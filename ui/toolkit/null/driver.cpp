#include "ui/toolkit/null/driver.h"

#include "ui/toolkit/barrier.h"
#include "ui/toolkit/check_box.h"
#include "ui/toolkit/keyboard.h"
#include "ui/toolkit/null/native.h"
#include "ui/toolkit/tab_strip.h"
#include "ui/toolkit/text_box.h"

namespace toolkit::null {

namespace {

// One input, then what it posted, as a window system's event loop runs them.
template <typename F>
void input(F&& handle) {
    guarded(std::forward<F>(handle));
    runPosted();
}

// A key goes down, and up again where the focus is then; character is what it types, if any.
void stroke(Form& form, int keyCode, int shift, int character) {
    input([&] {
        if (form.previewKey(keyCode, shift)) return;
        if ((shift & kAltMask) != 0) {
            const bool letter = keyCode >= 'A' && keyCode <= 'Z';
            return form.focus().accessKey(
                static_cast<char>(letter ? keyCode - 'A' + 'a' : keyCode));
        }
        const bool control = keyCode == kEnter || keyCode == kEscape || keyCode == kBackspace;
        TextBox* box = form.activeTextBox();
        if (box != nullptr && (shift & kCtrlMask) == 0 && (character != 0 || control))
            typeInto(*box, character != 0 ? character : keyCode);
    });
    input([&] {
        TextBox* box = form.activeTextBox();
        if (box != nullptr && box->events().keyUp)
            box->events().keyUp(box->index(), keyCode, shift);
    });
}

// The next code point of UTF-8 text, from at, which it moves past.
int nextCharacter(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at++]);
    if (lead < 0x80) return lead;
    const int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
    int code = lead & (0x3F >> more);
    for (int i = 0; i < more && at < text.size(); ++i)
        code = (code << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
    return code;
}

}  // namespace

void type(Form& form, std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const int c = nextCharacter(text, at);
        if (c == '\t') {
            press(form, kTab);
        } else if (c == '\n') {
            press(form, kEnter);
        } else {
            const bool key = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z');
            const bool lower = c >= 'a' && c <= 'z';
            stroke(form, key ? c : lower ? c - 'a' + 'A' : 0, 0, c);
        }
    }
}

void press(Form& form, int keyCode, int shift) {
    const bool types = keyCode == kEnter || keyCode == kEscape || keyCode == kBackspace;
    stroke(form, keyCode, shift, types ? keyCode : 0);
}

void click(Control& control) {
    Form& form = control.native().form;
    input([&] {
        if (!form.focus().allowPress(&control)) return;
        activeNative() = &form.native();
        if (!control.actsOnPress()) return;
        control.takeFocus(FocusMove::Program);
        if (auto* box = dynamic_cast<CheckBox*>(&control)) box->setValue(1 - box->value());
    });
}

void clickTab(TabStrip& strip, int index) {
    Form& form = strip.native().form;
    input([&] {
        if (!form.focus().allowPress(&strip)) return;
        activeNative() = &form.native();
        strip.takeFocus(FocusMove::Program);
        if (index != strip.selectedItem())
            strip.setSelectedItem(index);
        else if (strip.click)
            strip.click();
    });
}

void close(Form& form) {
    input([&] {
        bool cancel = false;
        form.raiseQueryUnload(cancel);
        if (!cancel) closeWindow(form.native());
    });
}

void answerNext(Form& form, bool first) {
    form.native().answers.push_back(first);
}

const std::vector<std::string>& questions(const Form& form) {
    return form.native().questions;
}

const std::string& caption(const Form& form) {
    return form.native().caption;
}

}  // namespace toolkit::null
