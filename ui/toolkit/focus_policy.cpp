#include "ui/toolkit/focus_policy.h"

#include <algorithm>

namespace toolkit {

void FocusPolicy::clear() {
    controls_.clear();
    tabOrder_.clear();
    approved_ = refocusing_ = nullptr;
}

bool FocusPolicy::mayLeaveFor(const Focusable* target) {
    const Focusable* leaving = focused_();
    if (leaving == nullptr || leaving == target) return true;
    if (leaving->refusesToLeave()) return false;
    approved_ = leaving;
    approvedText_ = leaving->heldText();
    return true;
}

bool FocusPolicy::allowPress(const Focusable* target) {
    return target == nullptr || !target->actsOnPress() || mayLeaveFor(target);
}

void FocusPolicy::tab(bool backwards) {
    if (!mayLeaveFor(nullptr) || tabOrder_.empty()) return;
    // From the control with the focus (from before the first one when none has it) to the next
    // that takes Tab, round the order.
    const auto count = static_cast<int>(tabOrder_.size());
    const auto found = std::find(tabOrder_.begin(), tabOrder_.end(), focused_());
    const int at = found != tabOrder_.end() ? static_cast<int>(found - tabOrder_.begin())
                                            : (backwards ? 0 : count - 1);
    for (int step = 1; step <= count; ++step) {
        Focusable* candidate =
            tabOrder_[static_cast<std::size_t>((at + (backwards ? count - step : step)) % count)];
        if (candidate->takesTab()) {
            candidate->takeFocus(backwards ? FocusMove::Backtab : FocusMove::Tab);
            return;
        }
    }
}

void FocusPolicy::accessKey(char key) {
    for (Focusable* control : controls_) {
        const Focusable* target = control->accessKeyTarget(key);
        if (target == nullptr) continue;
        if (mayLeaveFor(target)) control->pressAccessKey(key);
        return;
    }
}

bool FocusPolicy::refusesLostFocus(const Focusable& field) {
    if (refocusing_ != nullptr) return false;
    if (approved_ == &field && approvedText_ == field.heldText()) return false;
    if (!field.refusesToLeave()) {
        approved_ = &field;
        approvedText_ = field.heldText();
        return false;
    }
    refocusing_ = &field;
    return true;
}

}  // namespace toolkit
