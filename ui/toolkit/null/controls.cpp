// The controls other than the text box, in memory.
#include <algorithm>
#include <string>
#include <vector>

#include "ui/toolkit/check_box.h"
#include "ui/toolkit/clipboard.h"
#include "ui/toolkit/frame.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/null/native.h"
#include "ui/toolkit/number_separators.h"
#include "ui/toolkit/tab_strip.h"
#include "ui/toolkit/text.h"
#include "ui/toolkit/twips.h"

namespace toolkit {

int textWidth(const std::string& utf8) {
    return kCharacterWidth * characterCount(utf8);
}

namespace {
std::string& clipboard() {
    static std::string text;
    return text;
}
}  // namespace

std::string clipboardText() {
    return clipboard();
}

void setClipboardText(const std::string& text) {
    clipboard() = text;
}

platform::NumberSeparators userNumberSeparators() {
    return platform::userNumberSeparators();
}

void NativeControlDeleter::operator()(NativeControl* native) const noexcept {
    delete native;
}

void Control::applyScale(const TwipScale& scale) {
    native_->pixels = scale.rect(twips_.left, twips_.top, twips_.width, twips_.height);
}

bool Control::visible() const {
    return native_->visible;
}

void Control::setVisible(bool visible) {
    native_->visible = visible;
}

void Control::bringToFront() {}

void Control::takeFocus(FocusMove /*move*/) {
    moveFocus(native_->form.native(), this);
}

Label::Label(ControlParent parent) : Control(std::make_unique<NativeControl>(parent.form)) {}

void Label::setCaption(const std::string& caption) {
    caption_ = caption;
    if (visible()) nameBuddy();
}

void Label::announce() {}

void Label::setBuddy(Control* buddy) {
    buddy_ = buddy;
    if (visible()) nameBuddy();
}

void Label::nameBuddy() const {
    if (buddy_ != nullptr) buddy_->native().accessibleName = plainText(caption_);
}

Size Label::contentSizeFor(const std::string& caption) const {
    return {textWidth(plainText(caption)) + 2, kLineHeight};
}

namespace {

struct NativeCheckBox : NativeControl {
    using NativeControl::NativeControl;
    int value = 0;
};

struct NativeTabs : NativeControl {
    using NativeControl::NativeControl;
    std::vector<std::pair<std::string, std::string>> tabs;  // caption, tooltip
    int selected = 0;
};

struct NativeFrame : NativeControl {
    using NativeControl::NativeControl;
    TwipScale scale;
};

NativeTabs& tabsOf(const TabStrip& strip) {
    return static_cast<NativeTabs&>(strip.native());
}

}  // namespace

CheckBox::CheckBox(ControlParent parent, const std::string& caption)
    : Control(std::make_unique<NativeCheckBox>(parent.form)), caption_(caption) {}

int CheckBox::value() const {
    return static_cast<NativeCheckBox&>(native()).value;
}

void CheckBox::setValue(int value) {
    auto& box = static_cast<NativeCheckBox&>(native());
    if (box.value == value) return;
    box.value = value;
    if (click) click();
}

Size CheckBox::contentSize() const {
    return {kLineHeight + textWidth(plainText(caption_)), kLineHeight};
}

Frame::Frame(ControlParent parent) : Control(std::make_unique<NativeFrame>(parent.form)) {}

int Frame::lineRow(const Line& line) const {
    return static_cast<NativeFrame&>(native()).scale.lineRow(line.y1);
}

void Frame::applyScale(const TwipScale& scale) {
    Control::applyScale(scale);
    static_cast<NativeFrame&>(native()).scale = scale;
}

TabStrip::TabStrip(ControlParent parent) : Control(std::make_unique<NativeTabs>(parent.form)) {}

void TabStrip::addTab(const std::string& caption, const std::string& toolTip) {
    NativeTabs& strip = tabsOf(*this);
    strip.tabs.emplace_back(caption, toolTip);
    if (strip.selected == 0) strip.selected = 1;
}

int TabStrip::selectedItem() const {
    return tabsOf(*this).selected;
}

void TabStrip::setSelectedItem(int index) {
    NativeTabs& strip = tabsOf(*this);
    if (index == strip.selected || index < 1 || index > tabCount()) return;
    strip.selected = index;
    if (click) click();
}

int TabStrip::tabCount() const {
    return static_cast<int>(tabsOf(*this).tabs.size());
}

std::string TabStrip::tabCaption(int index) const {
    return tabsOf(*this).tabs.at(static_cast<std::size_t>(index - 1)).first;
}

std::string TabStrip::tabToolTip(int index) const {
    return tabsOf(*this).tabs.at(static_cast<std::size_t>(index - 1)).second;
}

Size TabStrip::contentSize() const {
    int width = 0;
    for (const auto& tab : tabsOf(*this).tabs) width += textWidth(plainText(tab.first)) + 16;
    return {width, kLineHeight + 8};
}

void TabStrip::applyScale(const TwipScale& scale) {
    Control::applyScale(scale);
}

}  // namespace toolkit
