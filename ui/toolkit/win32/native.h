#pragma once

// The Win32 side of the contract: each control is a native child window (EDIT, STATIC, BUTTON,
// SysTabControl32, or the frame's own class), each form a top-level window. Only this back
// end sees these types.
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/toolkit/control.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/system_colour.h"
#include "ui/toolkit/win32/text.h"

namespace toolkit {

class TextBox;

// The name a screen reader gives a window (an MSAA annotation).
void annotateName(HWND hwnd, const std::wstring& name);

struct NativeControl {
    explicit NativeControl(HWND h) : hwnd(h) {}
    virtual ~NativeControl() = default;
    // The font the control was given changed (a new DPI, bold): apply it.
    virtual void applyFont() {}

    // Each control answers the messages Windows sends its parent about it: a command
    // (WM_COMMAND's code), a notification (WM_NOTIFY), true when handled; and its colours,
    // by default button text on the button face.
    virtual bool onCommand(WORD /*code*/) { return false; }
    virtual bool onNotify(const NMHDR& /*header*/) { return false; }
    virtual void colours(SystemColour& back, SystemColour& fore) const {
        back = SystemColour::ButtonFace;
        fore = SystemColour::ButtonText;
    }
    // The name a screen reader gives the control.
    virtual void setAccessibleName(const std::wstring& name) { annotateName(hwnd, name); }
    // The control's tools in the form's tooltip, once the tooltip is made.
    virtual void addTools(HWND /*tooltip*/) {}

    // Puts procedure in front of the class's window procedure; it finds this control again with
    // subclassed(hwnd) and passes messages on with callClass. Done by the window procedure
    // itself, not SetWindowSubclass: comctl32 keeps that chain in a window property, and wine
    // reads a property from its server, a round trip for every message the control gets.
    void subclass(WNDPROC procedure);
    static NativeControl& subclassed(HWND hwnd);
    LRESULT callClass(UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd;
    WNDPROC classProc = nullptr;
};

// The fonts a form's controls draw with: the system's UI font at the window's DPI, in a
// regular and a bold weight, and smaller sizes of either for text that does not fit.
class Fonts {
  public:
    ~Fonts();
    void setDpi(UINT dpi);
    UINT dpi() const { return dpi_; }
    // height 0: the UI font's own height.
    HFONT get(bool bold, LONG height = 0);
    LONG baseHeight() const { return base_.lfHeight; }
    // A device context to measure text in, with font selected: one memory DC for the form, not a
    // window's DC fetched and released for every measurement.
    HDC measuring(HFONT font);

  private:
    void clear();
    UINT dpi_ = 96;
    LOGFONTW base_{};
    std::map<std::pair<bool, LONG>, HFONT> made_;
    HDC measuring_ = nullptr;
};

struct NativeForm;

// A control that draws its caption in the form's regular UI font.
struct NativeCaptioned : NativeControl {
    NativeCaptioned(HWND h, NativeForm& f) : NativeControl(h), form(f) {}
    void applyFont() override;
    NativeForm& form;
};

struct NativeForm {
    explicit NativeForm(Form& form);
    ~NativeForm();

    // The control a window of the form belongs to (itself or a child of it), if any.
    Control* controlOf(HWND hwnd) const;
    void registerControl(Control& control);
    HWND parentOf(const ControlParent& parent) const;

    // What the window procedures of the form and its frames share: notifications and colours
    // of their child controls. True, with result set, when handled.
    bool onChildMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // What the message loop asks before it dispatches: true when the message is handled.
    bool preTranslate(MSG& message);

    // The mouse over a window of the form's tooltip tools, told to the tooltip: what a tool's
    // TTF_SUBCLASS would do, without a second subclass of the window.
    void relayMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    void raiseResize() { form.raiseResize(); }
    void onActivate(bool active);
    void rescaleForDpi(UINT dpi, const RECT* suggested);
    // The user asked to close the window: the form may keep it open.
    void onClose();
    void limitSize(MINMAXINFO& limits) const;

    Form& form;
    HWND hwnd = nullptr;
    SIZE minimumSize{0, 0};  // the smallest outer size the user can drag the window to
    // Made, with every control's tools, when the mouse first comes over a control: a top-level
    // window of its own, it was a part of every start.
    HWND tooltip = nullptr;
    Fonts fonts;
    std::map<HWND, Control*> byWindow;
    HWND savedFocus = nullptr;    // where the focus was when the window was deactivated
    bool restoringFocus = false;  // giving it back: no entry into the field
    UINT swallowRelease = 0;      // a refused press's button-up goes nowhere either
};

// The window a new control goes into.
HWND parentWindow(const ControlParent& parent);
// The form's Win32 side, for a control being made.
NativeForm& nativeFormOf(const ControlParent& parent);

// The system colour by its Windows index.
COLORREF colourOf(SystemColour colour);
HBRUSH brushOf(SystemColour colour);

// The instance the program's windows and resources belong to.
HINSTANCE instance();
// A window class of the program's, on the button face with the arrow cursor (and with the
// program's icon when asked), registered once.
void registerWindowClass(const wchar_t* name, WNDPROC procedure, bool withIcon = false);

// The forms whose input the message loop guards, and the one that has the focus.
const std::vector<NativeForm*>& liveForms();
NativeForm* activeForm();

// The shift bits of keyboard.h, as the keyboard stands now.
int shiftState();

}  // namespace toolkit
