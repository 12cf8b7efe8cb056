#include "ui/toolkit/form.h"
#include "ui/toolkit/file_dialog.h"

#include <algorithm>

#include "ui/toolkit/backend.h"
#include "ui/toolkit/barrier.h"
#include "ui/toolkit/null/native.h"
#include "ui/toolkit/text_box.h"

namespace toolkit {

namespace {

std::deque<std::function<void()>>& posted() {
    static std::deque<std::function<void()>> tasks;
    return tasks;
}

std::vector<NativeForm*>& forms() {
    static std::vector<NativeForm*> open;
    return open;
}

}  // namespace

// As a window system resizes: within the smallest size, and heard of only when it changed.
void NativeForm::resize(Size size) {
    size = {std::max(size.width, minimum.width), std::max(size.height, minimum.height)};
    if (size == outer.size()) return;
    outer.width = size.width;
    outer.height = size.height;
    form.raiseResize();
}

NativeForm*& activeNative() {
    static NativeForm* active = nullptr;
    return active;
}

void post(std::function<void()> task) {
    posted().push_back(std::move(task));
}

void runPosted() {
    while (!posted().empty()) {
        const std::function<void()> task = std::move(posted().front());
        posted().pop_front();
        guarded(task);
    }
}

void moveFocus(NativeForm& form, Control* control) {
    Control* from = form.focused;
    if (from == control) return;
    form.focused = control;
    auto* leaving = dynamic_cast<TextBox*>(from);
    // Wherever the focus went inside the window, the text must have been let go.
    if (leaving != nullptr && control != nullptr && activeNative() == &form &&
        form.form.focus().refusesLostFocus(*leaving))
        post([&form, leaving] {
            moveFocus(form, leaving);
            form.form.focus().refocused();
        });
    // A window without the keyboard keeps the focus for when it has it again: no entry.
    if (auto* entering = dynamic_cast<TextBox*>(control); entering && activeNative() == &form)
        entering->raiseEntry(false);
}

void NativeFormDeleter::operator()(NativeForm* native) const noexcept {
    delete native;
}

namespace backend {

NativeForm* newForm(Form& form) {
    auto* native = new NativeForm(form);
    forms().push_back(native);
    return native;
}

void destroyWindow(NativeForm& native) {
    native.shown = false;
    native.focused = nullptr;
    std::erase(forms(), &native);
    if (activeNative() == &native) activeNative() = nullptr;
}

void registerControl(NativeForm&, Control&) {}

Form* activeForm() {
    return activeNative() != nullptr ? &activeNative()->form : nullptr;
}

void showFailure(const std::string&) {}

}  // namespace backend

void Form::Show() {
    load();
    native_->shown = true;
    if (activeNative() == nullptr) activeNative() = native_.get();
}

void Form::activate() {
    load();
    native_->shown = true;
    activeNative() = native_.get();
}

void Form::placeBeside(const Form& other) {
    load();
    native_->outer.left = other.native_->outer.right();
    native_->outer.top = other.native_->outer.top;
}

bool Form::isOpen() const {
    return native_->shown;
}

void Form::setCaption(const std::string& caption) {
    native_->caption = caption;
}

void Form::setIcon(std::string_view, std::initializer_list<int>) {}
void Form::setBackColor(SystemColour) {}

int Form::windowState() const {
    return kNormal;
}

int Form::width() const {
    return toTwips(native_->outer.width, setWidth_);
}

int Form::height() const {
    return toTwips(native_->outer.height, setHeight_);
}

void Form::setWidth(int twips) {
    setWidth_ = twips;
    native_->resize({scale_.px(twips), native_->outer.height});
}

void Form::setHeight(int twips) {
    setHeight_ = twips;
    native_->resize({native_->outer.width, scale_.px(twips)});
}

void Form::setClientSize(int twipsWidth, int twipsHeight) {
    native_->resize({scale_.px(twipsWidth), scale_.px(twipsHeight)});
}

void Form::setMinimumClientSize(int twipsWidth, int twipsHeight) {
    native_->minimum = {scale_.px(twipsWidth), scale_.px(twipsHeight)};
}

bool Form::ask(const std::string& question, const std::string&, const std::string&) {
    native_->questions.push_back(question);
    if (native_->answers.empty()) return true;
    const bool first = native_->answers.front();
    native_->answers.pop_front();
    return first;
}

void Form::setTimer(int milliseconds) {
    native_->timer = milliseconds;
}

// A dialog without an answer given is cancelled.
std::vector<std::string> chooseFilesToOpen(Form& owner, const std::string&, const FileKind&) {
    std::deque<std::vector<std::string>>& choices = owner.native().choices;
    if (choices.empty()) return {};
    std::vector<std::string> chosen = std::move(choices.front());
    choices.pop_front();
    return chosen;
}

Control* Form::focusedControl() const {
    return activeNative() == native_.get() ? native_->focused : nullptr;
}

void Form::raiseResize() {
    if (loaded_) Form_Resize();
}

// Closing one window leaves the others open; the keyboard goes to one of them.
void closeWindow(NativeForm& native) {
    native.shown = false;
    if (activeNative() != &native) return;
    const auto open = std::find_if(forms().begin(), forms().end(),
                                   [](const NativeForm* form) { return form->shown; });
    activeNative() = open != forms().end() ? *open : nullptr;
}

}  // namespace toolkit
