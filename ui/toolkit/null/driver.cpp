#include "ui/toolkit/null/driver.h"

#include "core/name_text.h"
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

}  // namespace

void type(Form& form, std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        // A byte that starts no UTF-8 sequence is typed as the byte.
        char32_t code = 0;
        const std::size_t length = quorvel::utf8Sequence(text, at, code);
        if (length == 0) code = static_cast<unsigned char>(text[at]);
        at += length == 0 ? 1 : length;
        const auto c = static_cast<int>(code);
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

void chooseNext(Form& form, std::vector<std::string> files) {
    form.native().choices.push_back(std::move(files));
}

void tick(Form& form) {
    if (form.native().timer > 0) input([&] { form.raiseTimer(); });
}

const std::vector<std::string>& questions(const Form& form) {
    return form.native().questions;
}

const std::string& caption(const Form& form) {
    return form.native().caption;
}

}  // namespace toolkit::null
