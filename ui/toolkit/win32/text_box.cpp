#include "ui/toolkit/text_box.h"

#include <cmath>

#include "ui/toolkit/barrier.h"
#include "ui/toolkit/keyboard.h"
#include "ui/toolkit/text_fit.h"
#include "ui/toolkit/win32/native.h"

namespace toolkit {

namespace {

int mouseButtons(WPARAM keys) {
    return ((keys & MK_LBUTTON) != 0 ? kLeftButton : 0) |
           ((keys & MK_RBUTTON) != 0 ? kRightButton : 0) |
           ((keys & MK_MBUTTON) != 0 ? kMiddleButton : 0);
}

// Posted by the backstop: the focus goes back to the box that refused to let it go.
constexpr UINT kRefocus = WM_APP + 1;

int width(HDC dc, HFONT font, const std::wstring& text) {
    SelectObject(dc, font);  // the measuring DC: selecting is all it takes
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

struct NativeTextBox : NativeControl {
    NativeTextBox(HWND h, TextBox& o, NativeForm& f) : NativeControl(h), owner(o), form(f) {}

    void applyFont() override { fitText(); }
    // Typed text may need a smaller size.
    bool onCommand(WORD code) override {
        if (code != EN_CHANGE) return false;
        fitText();
        return true;
    }
    void colours(SystemColour& back, SystemColour& fore) const override {
        back = owner.backColor();
        fore = owner.foreColor();
    }
    // The box as a tool of the form's tooltip, its tip the box's.
    TTTOOLINFOW tool() {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND;  // editProc relays the mouse
        tool.hwnd = GetParent(hwnd);
        tool.uId = reinterpret_cast<UINT_PTR>(hwnd);
        tool.lpszText = tip.data();
        return tool;
    }
    void addTools(HWND tooltip) override {
        TTTOOLINFOW box = tool();
        SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&box));
    }
    // Annotated once a screen reader asks for the box (WM_GETOBJECT, before it builds the
    // box's accessible object), and at each change after that: a COM call for every box and
    // every relabelling was a good part of the start-up, for a reader that may never come.
    void setAccessibleName(const std::wstring& name) override {
        accessibleName = name;
        if (readerAsked) annotateName(hwnd, accessibleName);
    }

    // Room for text without scrolling: the client area less the box's margins, and a pixel
    // for the caret at either end.
    int textRoom() const {
        RECT client{};
        GetClientRect(hwnd, &client);
        const auto margins = static_cast<DWORD>(SendMessageW(hwnd, EM_GETMARGINS, 0, 0));
        return client.right - LOWORD(margins) - HIWORD(margins) - 2;
    }

    // The box's font at the size the shared search finds for its text. True when the font
    // changed (and the line was placed for it).
    bool fitText() {
        const std::wstring text = windowText(hwnd);
        const bool focused = typedIn();
        TextFit fit;
        fit.given = -static_cast<double>(form.fonts.baseHeight());  // the character height
        fit.room = textRoom();
        fit.typedIn = focused;
        fit.hasWidest = !widest.empty();
        const double size = fittedSize(fit, [&](double at, bool wide) {
            HFONT font = form.fonts.get(bold, -std::lround(at));
            return width(form.fonts.measuring(font), font, wide ? widest : text);
        });
        HFONT fitted = form.fonts.get(bold, -std::lround(size));
        if (!focused) {
            SendMessageW(hwnd, EM_SETSEL, 0, 0);  // a longer text shows from its start
            SendMessageW(hwnd, EM_SCROLLCARET, 0, 0);
        }
        if (reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)) == fitted) return false;
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fitted), TRUE);
        centreText();
        return true;
    }

    // The box has the focus, or will have it again when its window comes back to the front.
    bool typedIn() const {
        const HWND focus = GetFocus();
        return focus == hwnd ||
               ((focus == nullptr || !IsChild(form.hwnd, focus)) && form.savedFocus == hwnd);
    }

    // The line in the middle of the box, for the font it draws with now: a single-line EDIT
    // keeps its text at the top, so the box is a multi-line one whose one line is placed.
    void centreText() {
        RECT client{};
        GetClientRect(hwnd, &client);
        HDC dc =
            form.fonts.measuring(reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        const auto margins = static_cast<DWORD>(SendMessageW(hwnd, EM_GETMARGINS, 0, 0));
        RECT line = client;
        line.left += LOWORD(margins);
        line.right -= HIWORD(margins);
        line.top = std::max<LONG>(0, (client.bottom - metrics.tmHeight) / 2);
        line.bottom = line.top + metrics.tmHeight;
        SendMessageW(hwnd, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&line));
    }

    // What the box does with a message before the EDIT control has it: true when consumed,
    // with result set; wParam may be replaced.
    bool before(UINT message, WPARAM& wParam, LPARAM lParam, LRESULT& result) {
        const TextBoxEvents& events = owner.events();
        switch (message) {
            case WM_CHAR:
                return onChar(wParam);
            case WM_KEYUP:
                if (events.keyUp)
                    events.keyUp(owner.index(), static_cast<int>(wParam), shiftState());
                return false;
            case WM_MOUSEMOVE:
                if (events.mouseMove)
                    events.mouseMove(owner.index(), mouseButtons(wParam), shiftState(),
                                     static_cast<short>(LOWORD(lParam)),
                                     static_cast<short>(HIWORD(lParam)));
                return false;
            case WM_SETCURSOR:
                if (LOWORD(lParam) != HTCLIENT) return false;
                SetCursor(LoadCursorW(
                    nullptr, owner.mousePointer() == MousePointer::Arrow ? IDC_ARROW : IDC_IBEAM));
                result = TRUE;
                return true;
            case WM_KILLFOCUS:
                onKillFocus(reinterpret_cast<HWND>(wParam));
                return false;
            case WM_GETOBJECT:
                if (!readerAsked && !accessibleName.empty()) annotateName(hwnd, accessibleName);
                readerAsked = true;
                return false;
            case kRefocus:
                form.restoringFocus = true;
                SetFocus(hwnd);
                form.restoringFocus = false;
                form.form.focus().refocused();
                return true;
            default:
                return false;
        }
    }

    // What it does once the EDIT control has handled the message.
    void after(UINT message) {
        switch (message) {
            case WM_SETFOCUS:
                fitText();
                onSetFocus();
                break;
            case WM_KILLFOCUS:
                fitText();
                break;
            case WM_LBUTTONDOWN:
                if (reselectAfterPress) SendMessageW(hwnd, EM_SETSEL, focusStart, focusEnd);
                reselectAfterPress = false;
                break;
            case WM_SIZE:
                if (!fitText()) centreText();
                break;
            default:
                break;
        }
    }

    // A typed character, through keyPress, which may replace or discard it.
    bool onChar(WPARAM& wParam) {
        // The focus guard moves the focus; and the box holds one line, whatever Ctrl+Enter or a
        // handler that lets Enter through would type.
        if (wParam == '\t' || wParam == '\n') return true;
        // Ctrl and Alt with a key are commands, not typing.
        const TextBoxEvents& events = owner.events();
        const bool command = GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
        int code = static_cast<int>(wParam);
        if (!command && events.keyPress) events.keyPress(owner.index(), code);
        wParam = static_cast<WPARAM>(code);
        return code == 0 || code == '\r';
    }

    // Wherever the focus went inside the form, the text must have been let go; posted, the
    // return comes before any key typed since.
    void onKillFocus(HWND gaining) {
        if (gaining != nullptr && IsChild(form.hwnd, gaining) && !form.restoringFocus &&
            form.form.focus().refusesLostFocus(owner))
            PostMessageW(hwnd, kRefocus, 0, 0);
    }

    void onSetFocus() {
        if (!owner.raiseEntry(form.restoringFocus)) return;
        // A click that brought the focus would put the caret where it landed; keep what the
        // focus handling selected instead.
        reselectAfterPress = GetKeyState(VK_LBUTTON) < 0;
        SendMessageW(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&focusStart),
                     reinterpret_cast<LPARAM>(&focusEnd));
    }

    TextBox& owner;
    NativeForm& form;
    bool bold = false;
    bool tabStop = true;
    std::wstring widest;
    std::wstring tip;
    std::wstring accessibleName;
    bool readerAsked = false;
    DWORD focusStart = 0, focusEnd = 0;
    bool reselectAfterPress = false;
};

NativeTextBox& box(const TextBox& owner) {
    return static_cast<NativeTextBox&>(owner.native());
}

LRESULT editProcBody(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto& native = static_cast<NativeTextBox&>(NativeControl::subclassed(hwnd));
    native.form.relayMouse(hwnd, message, wParam, lParam);
    LRESULT result = 0;
    if (native.before(message, wParam, lParam, result)) return result;
    result = native.callClass(message, wParam, lParam);
    native.after(message);
    return result;
}

LRESULT CALLBACK editProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return guarded([&] { return editProcBody(hwnd, message, wParam, lParam); });
}

}  // namespace

TextBox::TextBox(ControlParent parent, int index, const TextBoxEvents& events)
    : Control(std::make_unique<NativeTextBox>(
          CreateWindowExW(
              WS_EX_CLIENTEDGE, L"EDIT", L"",
              WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_CENTER | ES_AUTOHSCROLL | ES_MULTILINE, 0, 0,
              0, 0, parentWindow(parent), nullptr, instance(), nullptr),
          *this, nativeFormOf(parent))),
      form_(parent.form),
      index_(index),
      events_(events) {
    NativeTextBox& native = box(*this);
    native.subclass(editProc);
    SendMessageW(native.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(native.form.fonts.get(false)),
                 FALSE);
}

std::string TextBox::text() const {
    return utf8(windowText(native().hwnd));
}

void TextBox::setText(const std::string& text) {
    SetWindowTextW(native().hwnd, wide(text).c_str());
    box(*this).fitText();
}

bool TextBox::locked() const {
    return (GetWindowLongW(native().hwnd, GWL_STYLE) & ES_READONLY) != 0;
}
void TextBox::setLocked(bool locked) {
    SendMessageW(native().hwnd, EM_SETREADONLY, locked ? TRUE : FALSE, 0);
}

bool TextBox::tabStop() const {
    return box(*this).tabStop;
}
void TextBox::setTabStop(bool tabStop) {
    // Off the Tab chain, but a click still gives it the focus.
    box(*this).tabStop = tabStop;
}

bool TextBox::fontBold() const {
    return box(*this).bold;
}
void TextBox::setFontBold(bool bold) {
    box(*this).bold = bold;
    box(*this).fitText();
}

void TextBox::setWidestText(const std::string& widest) {
    box(*this).widest = wide(widest);
    box(*this).fitText();
}

std::string TextBox::toolTipText() const {
    return utf8(box(*this).tip);
}
void TextBox::setAccessibleName(const std::string& name) {
    native().setAccessibleName(wide(name));
}

void TextBox::setToolTipText(const std::string& text) {
    NativeTextBox& native = box(*this);
    native.tip = wide(text);
    if (native.form.tooltip == nullptr) return;
    TTTOOLINFOW tool = native.tool();
    SendMessageW(native.form.tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void TextBox::setBackColor(SystemColour colour) {
    back_ = colour;
    InvalidateRect(native().hwnd, nullptr, TRUE);
}
void TextBox::setForeColor(SystemColour colour) {
    fore_ = colour;
    InvalidateRect(native().hwnd, nullptr, TRUE);
}

int TextBox::selStart() const {
    DWORD start = 0, end = 0;
    SendMessageW(native().hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(start);
}
int TextBox::selLength() const {
    DWORD start = 0, end = 0;
    SendMessageW(native().hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end - start);
}
void TextBox::setSelStart(int start) {
    SendMessageW(native().hwnd, EM_SETSEL, static_cast<WPARAM>(start), start);
}
void TextBox::setSelLength(int length) {
    const int start = selStart();
    SendMessageW(native().hwnd, EM_SETSEL, static_cast<WPARAM>(start), start + length);
}

void TextBox::setMousePointer(MousePointer pointer) {
    pointer_ = pointer;  // WM_SETCURSOR reads it
}

bool TextBox::hasFocus() const {
    return GetFocus() == native().hwnd;
}

Size TextBox::contentSize() const {
    if (sample_.empty()) return {};
    NativeTextBox& native = box(*this);
    HFONT bold = native.form.fonts.get(true);
    HDC dc = native.form.fonts.measuring(bold);
    const int text = width(dc, bold, wide(sample_));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    // Around the text: the sunken edge, the box's margins and the caret's pixels.
    const auto margins = static_cast<DWORD>(SendMessageW(native.hwnd, EM_GETMARGINS, 0, 0));
    const int edge = 2 * GetSystemMetrics(SM_CXEDGE);
    return {text + edge + LOWORD(margins) + HIWORD(margins) + 2,
            metrics.tmHeight + 2 * GetSystemMetrics(SM_CYEDGE) + 2};
}

}  // namespace toolkit
