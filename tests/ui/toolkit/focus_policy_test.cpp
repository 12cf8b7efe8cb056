// The focus policy on its own, without a window: fake controls that log what they are asked to
// do, so that every back end's rules are checked once.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "ui/toolkit/focus_policy.h"

namespace toolkit {
namespace {

struct Fake : Focusable {
    Fake(std::string n, std::string& log, Fake*& focus)
        : name(std::move(n)), log_(log), focus_(focus) {}

    bool actsOnPress() const override { return acts; }
    bool takesTab() const override { return tabs; }
    const Focusable* accessKeyTarget(char k) const override { return k == key ? target : nullptr; }
    void pressAccessKey(char) override { log_ += name + " acts;"; }
    void takeFocus(FocusMove) override {
        focus_ = this;
        log_ += name + " focused;";
    }
    bool refusesToLeave() const override {
        log_ += name + " checked;";
        return refuses;
    }
    std::string heldText() const override { return text; }

    std::string name;
    bool acts = true, tabs = true, refuses = false;
    char key = 0;
    const Focusable* target = nullptr;
    std::string text;

  private:
    std::string& log_;
    Fake*& focus_;
};

class Policy : public testing::Test {
  protected:
    Policy() {
        for (Fake* f : {&a, &b, &label, &c}) policy.add(*f);
        policy.setTabOrder({&a, &b, &c});
        label.acts = label.tabs = false;
        label.key = 'x';
        label.target = &c;
        c.key = 'y';
        c.target = &c;
    }
    std::string log;
    Fake* focus = nullptr;
    Fake a{"a", log, focus}, b{"b", log, focus}, label{"label", log, focus}, c{"c", log, focus};
    FocusPolicy policy{[this] { return focus; }};
};

struct TabCase {
    const char* from;  // "" for nothing focused
    bool backwards;
    bool bTakesTab;
    const char* expected;
};

// "FromAForwards", "FromNothingBackwards", "FromAForwardsPastB": the walk a row takes.
std::string walkName(const TabCase& t) {
    std::string name =
        *t.from == '\0' ? "FromNothing" : std::string("From") + char(*t.from - 'a' + 'A');
    name += t.backwards ? "Backwards" : "Forwards";
    return t.bTakesTab ? name : name + "PastB";
}
void PrintTo(const TabCase& t, std::ostream* out) {
    *out << walkName(t);
}

class PolicyTab : public Policy, public testing::WithParamInterface<TabCase> {};

TEST_P(PolicyTab, WalksRoundTheOrderToWhatTakesTab) {
    const TabCase& t = GetParam();
    for (Fake* f : {&a, &b, &c})
        if (f->name == t.from) focus = f;
    b.tabs = t.bTakesTab;
    policy.tab(t.backwards);
    EXPECT_EQ(log, t.expected);
}

INSTANTIATE_TEST_SUITE_P(Walks, PolicyTab,
                         testing::Values(TabCase{"a", false, true, "a checked;b focused;"},
                                         TabCase{"a", false, false, "a checked;c focused;"},
                                         TabCase{"c", false, true, "c checked;a focused;"},
                                         TabCase{"a", true, true, "a checked;c focused;"},
                                         TabCase{"", false, true, "a focused;"},
                                         TabCase{"", true, true, "c focused;"}),
                         [](const testing::TestParamInfo<TabCase>& row) {
                             return walkName(row.param);
                         });

TEST_F(Policy, ARefusingFieldHoldsUpTabPressesAndAccessKeys) {
    focus = &a;
    a.refuses = true;
    policy.tab(false);
    EXPECT_FALSE(policy.allowPress(&b));
    EXPECT_TRUE(policy.allowPress(&label));  // a label takes no focus and does nothing
    EXPECT_TRUE(policy.allowPress(nullptr));
    EXPECT_TRUE(policy.allowPress(&a));  // the field itself
    policy.accessKey('x');
    EXPECT_EQ(log, "a checked;a checked;a checked;");
    EXPECT_EQ(focus, &a);
}

TEST_F(Policy, AnAccessKeyActsThroughTheFirstControlThatAnswersIt) {
    focus = &a;
    policy.accessKey('x');  // the label, for its buddy c
    policy.accessKey('q');  // nothing answers
    focus = &c;
    policy.accessKey('y');  // c itself: nothing to leave
    EXPECT_EQ(log, "a checked;label acts;c acts;");
}

TEST_F(Policy, TheBackstopChecksWhatNoInputCheckAllowed) {
    focus = &a;
    a.text = "3.00";
    EXPECT_TRUE(policy.mayLeaveFor(&b));
    EXPECT_FALSE(policy.refusesLostFocus(a));  // allowed with this text: not checked again
    a.text = "abc";
    a.refuses = true;
    EXPECT_TRUE(policy.refusesLostFocus(a));
    EXPECT_TRUE(policy.refocusing());
    EXPECT_FALSE(policy.refusesLostFocus(b));  // the way back is no move to check
    policy.refocused();
    EXPECT_FALSE(policy.refocusing());
    EXPECT_EQ(log, "a checked;a checked;");
}

}  // namespace
}  // namespace toolkit
