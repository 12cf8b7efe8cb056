#pragma once

#include <functional>
#include <string>
#include <vector>

namespace toolkit {

// How a move of the focus came about, for back ends that tell them apart.
enum class FocusMove { Tab, Backtab, AccessKey, Program };

// What the focus policy asks of a control. Every control of the contract is one, and each
// answers for itself: a new kind of control overrides what applies to it, and nothing else
// changes.
class Focusable {
  public:
    virtual ~Focusable() = default;

    // A press of any mouse button on it takes the focus or acts: a field, a check box, a tab.
    virtual bool actsOnPress() const { return false; }
    // Tab stops on it.
    virtual bool takesTab() const { return false; }
    // The control that Alt+key reaches through this one (itself, or a label's buddy), or none.
    virtual const Focusable* accessKeyTarget(char /*key*/) const { return nullptr; }
    // What Alt+key does, once the field being left has let the focus go.
    virtual void pressAccessKey(char /*key*/) {}
    // Moves the focus here.
    virtual void takeFocus(FocusMove move) = 0;
    // A field checks its text before the focus may leave it: true when it refuses. The text it
    // holds tells whether a move that was allowed still stands.
    virtual bool refusesToLeave() const { return false; }
    virtual std::string heldText() const { return {}; }
};

// The window's rule for the focus, written once for every back end: before anything of the
// form takes the focus or acts, the field with the focus checks its text, and a refusal keeps
// the focus where it is and swallows what would have moved it. The back ends only feed it
// their input: a press, Tab, an access key, and a focus change that no input check saw.
//   FocusPolicy policy([&] { return focused; });
//   policy.add(field); policy.add(box); policy.setTabOrder({&field, &box});
//   policy.tab(false);  // field checks its text, then box takes the focus
class FocusPolicy {
  public:
    // focused: the control of the form that has the focus, or none.
    explicit FocusPolicy(std::function<Focusable*()> focused) : focused_(std::move(focused)) {}

    // The form's controls in the order they were made, which is the order access keys are
    // looked for in; and the order Tab walks.
    void add(Focusable& control) { controls_.push_back(&control); }
    void clear();
    void setTabOrder(std::vector<Focusable*> order) { tabOrder_ = std::move(order); }

    // Whether the field with the focus lets target (none: anything) have it.
    bool mayLeaveFor(const Focusable* target);
    // A press of any mouse button on target (none: on nothing of the form): false when the
    // press, and its release, must be swallowed.
    bool allowPress(const Focusable* target);
    // Tab or Shift+Tab: the field checks its text, then the focus moves round the tab order
    // to the next control that takes Tab.
    void tab(bool backwards);
    // Alt+key: the first control of the form that answers it acts, unless the field being
    // left refuses.
    void accessKey(char key);

    // The backstop, where the focus has already moved from field to another control of the
    // form by a route no input check saw: true when the field refuses; the back end then gives
    // the focus back to it. Until refocused(), the move and its return enter neither control.
    bool refusesLostFocus(const Focusable& field);
    bool refocusing() const { return refocusing_ != nullptr; }
    void refocused() { refocusing_ = nullptr; }

  private:
    std::function<Focusable*()> focused_;
    std::vector<Focusable*> controls_;
    std::vector<Focusable*> tabOrder_;
    // The last field let go, with its text as it was then: a move already allowed is not
    // checked again where the focus changes.
    const Focusable* approved_ = nullptr;
    std::string approvedText_;
    const Focusable* refocusing_ = nullptr;
};

}  // namespace toolkit
