#include "ui/toolkit/tab_strip.h"

#include "ui/toolkit/barrier.h"
#include "ui/toolkit/twips.h"
#include "ui/toolkit/win32/native.h"

namespace toolkit {

namespace {

// The form's tooltip has one tool over each tab's rectangle.
TTTOOLINFOW toolOf(HWND tabs, WPARAM index) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = tabs;
    tool.uId = index;
    SendMessageW(tabs, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&tool.rect));
    return tool;
}

struct NativeTabs : NativeCaptioned {
    NativeTabs(HWND h, NativeForm& f, TabStrip& o) : NativeCaptioned(h, f), owner(o) {}
    void addTools(HWND tooltip) override {
        for (WPARAM i = 0; i < tips.size(); ++i) addTool(tooltip, i);
    }
    void addTool(HWND tooltip, WPARAM index) {
        TTTOOLINFOW tool = toolOf(hwnd, index);  // tabsProc relays the mouse
        tool.lpszText = tips[index].data();
        SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    // A click on another tab is reported as a change.
    bool onNotify(const NMHDR& header) override {
        if (header.code != TCN_SELCHANGE) return false;
        if (owner.click) owner.click();
        return true;
    }
    TabStrip& owner;
    std::vector<std::wstring> captions;
    std::vector<std::wstring> tips;
};

NativeTabs& tabs(const TabStrip& strip) {
    return static_cast<NativeTabs&>(strip.native());
}

int selected(HWND hwnd) {
    return static_cast<int>(SendMessageW(hwnd, TCM_GETCURSEL, 0, 0));
}

// A click on the tab already selected chooses it again, which the control itself does not
// report: the click is raised here. A click on another tab is reported as a change.
LRESULT tabsProcBody(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto& native = static_cast<NativeTabs&>(NativeControl::subclassed(hwnd));
    native.form.relayMouse(hwnd, message, wParam, lParam);
    if (message == WM_LBUTTONDOWN) {
        const int before = selected(hwnd);
        const LRESULT result = native.callClass(message, wParam, lParam);
        TCHITTESTINFO hit{};
        hit.pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        const auto index =
            static_cast<int>(SendMessageW(hwnd, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        if (index >= 0 && index == before && selected(hwnd) == before && native.owner.click)
            native.owner.click();
        return result;
    }
    if (message == WM_MOUSEWHEEL) return 0;  // a turn of the wheel must not switch modes
    return native.callClass(message, wParam, lParam);
}

LRESULT CALLBACK tabsProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return guarded([&] { return tabsProcBody(hwnd, message, wParam, lParam); });
}

}  // namespace

// Room for every tab until the strip is placed: at no width it would make its scroll arrows, a
// window of their own, and move them at each tab added, all for nothing once it has its size.
constexpr int kUnplacedWidth = 0x7fff;

TabStrip::TabStrip(ControlParent parent)
    : Control(std::make_unique<NativeTabs>(
          CreateWindowExW(0, WC_TABCONTROLW, L"",
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 0, 0,
                          kUnplacedWidth, 0, parentWindow(parent), nullptr, instance(), nullptr),
          nativeFormOf(parent), *this)) {
    native().applyFont();
    native().subclass(tabsProc);
}

void TabStrip::addTab(const std::string& caption, const std::string& toolTip) {
    NativeTabs& n = tabs(*this);
    n.captions.push_back(wide(caption));
    n.tips.push_back(wide(toolTip));
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = n.captions.back().data();
    // Adding the first tab selects it; that is no choice, and no click.
    const WPARAM index = n.captions.size() - 1;
    SendMessageW(n.hwnd, TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
    if (n.form.tooltip != nullptr) n.addTool(n.form.tooltip, index);
}

int TabStrip::selectedItem() const {
    return selected(native().hwnd) + 1;
}

void TabStrip::setSelectedItem(int index) {
    if (index == selectedItem()) return;
    SendMessageW(native().hwnd, TCM_SETCURSEL, static_cast<WPARAM>(index - 1), 0);
    if (click) click();
}

int TabStrip::tabCount() const {
    return static_cast<int>(tabs(*this).captions.size());
}
std::string TabStrip::tabCaption(int index) const {
    return utf8(tabs(*this).captions.at(static_cast<std::size_t>(index - 1)));
}
std::string TabStrip::tabToolTip(int index) const {
    return utf8(tabs(*this).tips.at(static_cast<std::size_t>(index - 1)));
}

Size TabStrip::contentSize() const {
    // All tabs side by side on one row: the strip never scrolls.
    RECT last{};
    const auto count = static_cast<WPARAM>(tabCount());
    if (count == 0 ||
        !SendMessageW(native().hwnd, TCM_GETITEMRECT, count - 1, reinterpret_cast<LPARAM>(&last)))
        return {};
    return {last.right + 4, last.bottom + 2};
}

void TabStrip::applyScale(const TwipScale& scale) {
    Control::applyScale(scale);
    const NativeTabs& n = tabs(*this);
    if (n.form.tooltip == nullptr) return;
    for (WPARAM i = 0; i < n.captions.size(); ++i) {
        TTTOOLINFOW tool = toolOf(n.hwnd, i);
        SendMessageW(n.form.tooltip, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

}  // namespace toolkit
