#include "ui/toolkit/text_box.h"

#include <algorithm>

#include "ui/toolkit/keyboard.h"
#include "ui/toolkit/null/native.h"
#include "ui/toolkit/text.h"

namespace toolkit {

namespace {

struct NativeTextBox : NativeControl {
    using NativeControl::NativeControl;
    std::string text;
    int selStart = 0;  // in characters, as the contract counts them
    int selLength = 0;
    bool locked = false;
    bool tabStop = true;
    bool bold = false;
    std::string toolTip;
};

NativeTextBox& box(const TextBox& owner) {
    return static_cast<NativeTextBox&>(owner.native());
}

// The byte where character index starts.
std::size_t byteOf(const std::string& text, int index) {
    std::size_t at = 0;
    for (int n = 0; at < text.size() && n < index; ++n) do
            ++at;
        while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80);
    return at;
}

std::string utf8Of(int code) {
    const auto c = static_cast<unsigned>(code);
    if (c < 0x80) return std::string(1, static_cast<char>(c));
    if (c < 0x800)
        return {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
    return {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
            static_cast<char>(0x80 | (c & 0x3F))};
}

// The selection replaced by inserted; with nothing selected, Backspace takes the character
// before the caret.
void edit(NativeTextBox& native, const std::string& inserted, bool backspace) {
    int start = native.selStart, length = native.selLength;
    if (backspace && length == 0 && start > 0) --start, length = 1;
    const std::size_t from = byteOf(native.text, start);
    native.text.replace(from, byteOf(native.text, start + length) - from, inserted);
    native.selStart = start + characterCount(inserted);
    native.selLength = 0;
}

}  // namespace

void typeInto(TextBox& owner, int keyAscii) {
    int code = keyAscii;
    if (owner.events().keyPress) owner.events().keyPress(owner.index(), code);
    NativeTextBox& native = box(owner);
    if (code == 0 || code == kEnter || code == kEscape || native.locked) return;
    edit(native, code == kBackspace ? std::string() : utf8Of(code), code == kBackspace);
}

TextBox::TextBox(ControlParent parent, int index, const TextBoxEvents& events)
    : Control(std::make_unique<NativeTextBox>(parent.form)),
      form_(parent.form),
      index_(index),
      events_(events) {}

std::string TextBox::text() const {
    return box(*this).text;
}

void TextBox::setText(const std::string& text) {
    NativeTextBox& native = box(*this);
    native.text = text;
    native.selStart = characterCount(text);  // the caret at the end, as an edit control puts it
    native.selLength = 0;
}

bool TextBox::locked() const {
    return box(*this).locked;
}
void TextBox::setLocked(bool locked) {
    box(*this).locked = locked;
}
bool TextBox::tabStop() const {
    return box(*this).tabStop;
}
void TextBox::setTabStop(bool tabStop) {
    box(*this).tabStop = tabStop;
}
bool TextBox::fontBold() const {
    return box(*this).bold;
}
void TextBox::setFontBold(bool bold) {
    box(*this).bold = bold;
}
std::string TextBox::toolTipText() const {
    return box(*this).toolTip;
}
void TextBox::setToolTipText(const std::string& text) {
    box(*this).toolTip = text;
}
void TextBox::setAccessibleName(const std::string& name) {
    native().accessibleName = name;
}
void TextBox::setBackColor(SystemColour colour) {
    back_ = colour;
}
void TextBox::setForeColor(SystemColour colour) {
    fore_ = colour;
}
int TextBox::selStart() const {
    return box(*this).selStart;
}
int TextBox::selLength() const {
    return box(*this).selLength;
}

void TextBox::setSelStart(int start) {
    NativeTextBox& native = box(*this);
    native.selStart = std::clamp(start, 0, characterCount(native.text));
    native.selLength = 0;
}

void TextBox::setSelLength(int length) {
    NativeTextBox& native = box(*this);
    native.selLength = std::clamp(length, 0, characterCount(native.text) - native.selStart);
}

void TextBox::setMousePointer(MousePointer pointer) {
    pointer_ = pointer;
}

bool TextBox::hasFocus() const {
    return form_.focusedControl() == this;
}

void TextBox::setWidestText(const std::string&) {}

Size TextBox::contentSize() const {
    if (sample_.empty()) return {};
    return {textWidth(sample_) + 8, kLineHeight + 6};
}

}  // namespace toolkit
