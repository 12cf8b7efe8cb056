#include <algorithm>

#include "ui/toolkit/barrier.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/text_box.h"
#include "ui/toolkit/win32/native.h"

namespace toolkit {

namespace {

constexpr wchar_t kFormClass[] = L"QuorvelForm";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

std::vector<NativeForm*> forms;

// Windows 10's per-monitor functions, where the system has them (wine and older Windows may
// not): looked up rather than linked, so the program starts everywhere.
template <typename F>
F systemFunction(const char* name) {
    return reinterpret_cast<F>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

UINT dpiOf(HWND hwnd) {
    static const auto forWindow = systemFunction<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    if (forWindow != nullptr && hwnd != nullptr) return forWindow(hwnd);
    HDC screen = GetDC(nullptr);
    const UINT dpi = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    return dpi;
}

constexpr UINT_PTR kFormTimer = 1;  // the one timer a form has

LRESULT formProcBody(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* form = reinterpret_cast<NativeForm*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        form = static_cast<NativeForm*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
        form->hwnd = hwnd;
    }
    if (form == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
    LRESULT result = 0;
    if (form->onChildMessage(message, wParam, lParam, result)) return result;
    switch (message) {
        case WM_SIZE:
            form->raiseResize();
            return 0;
        case WM_ACTIVATE:
            form->onActivate(LOWORD(wParam) != WA_INACTIVE);
            return 0;
        case WM_DPICHANGED:
            form->rescaleForDpi(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_CLOSE:
            form->onClose();
            return 0;
        case WM_TIMER:
            if (wParam == kFormTimer) form->form.raiseTimer();
            return 0;
        case WM_GETMINMAXINFO:
            form->limitSize(*reinterpret_cast<MINMAXINFO*>(lParam));
            return 0;
        default:
            return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

LRESULT CALLBACK formProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return guarded([&] { return formProcBody(hwnd, message, wParam, lParam); });
}

// The program's own icon: the first icon of its resources, the one Explorer shows.
const std::wstring& programIcon() {
    static const std::wstring name = [] {
        std::wstring first;
        EnumResourceNamesW(
            instance(), RT_GROUP_ICON,
            [](HMODULE, LPCWSTR, LPWSTR found, LONG_PTR out) -> BOOL {
                if (!IS_INTRESOURCE(found)) *reinterpret_cast<std::wstring*>(out) = found;
                return FALSE;
            },
            reinterpret_cast<LONG_PTR>(&first));
        return first;
    }();
    return name;
}

HICON loadIcon(const std::wstring& name, int metric) {
    const int size = GetSystemMetrics(metric);
    return static_cast<HICON>(
        LoadImageW(instance(), name.c_str(), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

}  // namespace

void registerWindowClass(const wchar_t* name, WNDPROC procedure, bool withIcon) {
    WNDCLASSEXW windowClass{};
    if (GetClassInfoExW(instance(), name, &windowClass)) return;
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance();
    if (withIcon && !programIcon().empty()) {
        windowClass.hIcon = loadIcon(programIcon(), SM_CXICON);
        windowClass.hIconSm = loadIcon(programIcon(), SM_CXSMICON);
    }
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = brushOf(SystemColour::ButtonFace);
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

const std::vector<NativeForm*>& liveForms() {
    return forms;
}

NativeForm* activeForm() {
    HWND focus = GetFocus();
    for (NativeForm* form : forms)
        if (form->hwnd != nullptr && (focus == form->hwnd || IsChild(form->hwnd, focus)))
            return form;
    return nullptr;
}

// NativeForm

void NativeForm::onActivate(bool active) {
    // Coming back to the window gives the focus back where it was, and that is no entry into
    // the field: what the user was typing and its selection stay.
    if (!active) {
        savedFocus = GetFocus();
    } else if (savedFocus != nullptr && IsWindow(savedFocus)) {
        restoringFocus = true;
        SetFocus(savedFocus);
        restoringFocus = false;
    }
}

void NativeForm::onClose() {
    bool cancel = false;
    form.raiseQueryUnload(cancel);
    if (cancel) return;
    // Hidden, not destroyed: the form and its controls stay whole until the Form goes.
    // Closing one window leaves the others open; the last one ends the event loop.
    ShowWindow(hwnd, SW_HIDE);
    if (std::none_of(forms.begin(), forms.end(),
                     [](const NativeForm* other) { return other->form.isOpen(); }))
        PostQuitMessage(0);
}

void NativeForm::limitSize(MINMAXINFO& limits) const {
    limits.ptMinTrackSize.x = std::max(limits.ptMinTrackSize.x, minimumSize.cx);
    limits.ptMinTrackSize.y = std::max(limits.ptMinTrackSize.y, minimumSize.cy);
}

NativeForm::NativeForm(Form& f) : form(f) {
    registerWindowClass(kFormClass, formProc, true);
    CreateWindowExW(0, kFormClass, L"", kStyle, CW_USEDEFAULT, CW_USEDEFAULT, 400, 200, nullptr,
                    nullptr, instance(), this);
    fonts.setDpi(dpiOf(hwnd));
    forms.push_back(this);
}

NativeForm::~NativeForm() {
    std::erase(forms, this);
}

void NativeForm::relayMouse(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP: {
            if (tooltip == nullptr) {
                tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                          WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd,
                                          nullptr, instance(), nullptr);
                for (const auto& control : form.controls()) control->native().addTools(tooltip);
            }
            const DWORD at = GetMessagePos();
            MSG relayed{window,
                        message,
                        wParam,
                        lParam,
                        static_cast<DWORD>(GetMessageTime()),
                        {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))}};
            SendMessageW(tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
            break;
        }
        default:
            break;
    }
}

Control* NativeForm::controlOf(HWND window) const {
    for (; window != nullptr && window != hwnd; window = GetParent(window)) {
        if (auto found = byWindow.find(window); found != byWindow.end()) return found->second;
    }
    return nullptr;
}

void NativeForm::registerControl(Control& control) {
    byWindow[control.native().hwnd] = &control;
}

HWND NativeForm::parentOf(const ControlParent& parent) const {
    return parent.container != nullptr ? parent.container->native().hwnd : hwnd;
}

HWND parentWindow(const ControlParent& parent) {
    return parent.form.native().parentOf(parent);
}

NativeForm& nativeFormOf(const ControlParent& parent) {
    return parent.form.native();
}

void NativeForm::rescaleForDpi(UINT dpi, const RECT* suggested) {
    const double ratio = static_cast<double>(dpi) / fonts.dpi();
    fonts.setDpi(dpi);
    for (const auto& control : form.controls()) control->native().applyFont();
    form.setScale(TwipScale(form.scale().factor() * ratio));
    if (suggested != nullptr)
        SetWindowPos(hwnd, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    raiseResize();
}

void NativeFormDeleter::operator()(NativeForm* native) const noexcept {
    delete native;
}

namespace backend {

NativeForm* newForm(Form& form) {
    return new NativeForm(form);
}

void destroyWindow(NativeForm& native) {
    HWND window = native.hwnd;
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    native.hwnd = nullptr;
    native.tooltip = nullptr;  // owned by the window
    DestroyWindow(window);
    native.byWindow.clear();
}

void registerControl(NativeForm& native, Control& control) {
    native.registerControl(control);
}

Form* activeForm() {
    NativeForm* native = toolkit::activeForm();
    return native != nullptr ? &native->form : nullptr;
}

void showFailure(const std::string& text) {
    NativeForm* active = toolkit::activeForm();
    MessageBoxW(active != nullptr ? active->hwnd : nullptr, wide(text).c_str(), L"Quorvel",
                MB_OK | MB_ICONERROR);
}

}  // namespace backend

// Form

void Form::Show() {
    load();
    // Painted from the message loop, once: what the form sets up after this is in that paint.
    ShowWindow(native_->hwnd, SW_SHOW);
}

void Form::setTimer(int milliseconds) {
    if (milliseconds > 0)
        SetTimer(native_->hwnd, kFormTimer, static_cast<UINT>(milliseconds), nullptr);
    else
        KillTimer(native_->hwnd, kFormTimer);
}

void Form::setCaption(const std::string& caption) {
    SetWindowTextW(native_->hwnd, wide(caption).c_str());
}

void Form::setIcon(std::string_view name, std::initializer_list<int> /*sizes*/) {
    // The .ico resource holds every size; Windows picks the ones title bar and taskbar draw.
    std::wstring resource = wide(name);
    for (wchar_t& c : resource) c = static_cast<wchar_t>(towupper(c));
    // The program's own icon the window has from its class since it was made: sent again, it
    // would be converted for the X server once more under wine, a part of every start.
    if (resource == programIcon()) return;
    SendMessageW(native_->hwnd, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(loadIcon(resource, SM_CXICON)));
    SendMessageW(native_->hwnd, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(loadIcon(resource, SM_CXSMICON)));
}

void Form::setBackColor(SystemColour colour) {
    SetClassLongPtrW(native_->hwnd, GCLP_HBRBACKGROUND,
                     reinterpret_cast<LONG_PTR>(brushOf(colour)));
}

int Form::windowState() const {
    if (IsIconic(native_->hwnd)) return kMinimized;
    if (IsZoomed(native_->hwnd)) return kMaximized;
    return kNormal;
}

namespace {
RECT outerRect(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}
}  // namespace

int Form::width() const {
    const RECT r = outerRect(native_->hwnd);
    return toTwips(r.right - r.left, setWidth_);
}
int Form::height() const {
    const RECT r = outerRect(native_->hwnd);
    return toTwips(r.bottom - r.top, setHeight_);
}

void Form::setWidth(int twips) {
    if (windowState() != kNormal) throw RefusedChange("the window's state fixes its size");
    setWidth_ = twips;
    const RECT r = outerRect(native_->hwnd);
    if (scale_.px(twips) != r.right - r.left)
        SetWindowPos(native_->hwnd, nullptr, 0, 0, scale_.px(twips), r.bottom - r.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::setHeight(int twips) {
    if (windowState() != kNormal) throw RefusedChange("the window's state fixes its size");
    setHeight_ = twips;
    const RECT r = outerRect(native_->hwnd);
    if (scale_.px(twips) != r.bottom - r.top)
        SetWindowPos(native_->hwnd, nullptr, 0, 0, r.right - r.left, scale_.px(twips),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::setClientSize(int twipsWidth, int twipsHeight) {
    RECT r{0, 0, scale_.px(twipsWidth), scale_.px(twipsHeight)};
    AdjustWindowRectEx(&r, kStyle, FALSE, 0);
    SetWindowPos(native_->hwnd, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::setMinimumClientSize(int twipsWidth, int twipsHeight) {
    RECT r{0, 0, scale_.px(twipsWidth), scale_.px(twipsHeight)};
    AdjustWindowRectEx(&r, kStyle, FALSE, 0);
    native_->minimumSize = {r.right - r.left, r.bottom - r.top};
}

bool Form::ask(const std::string& question, const std::string& first, const std::string& second) {
    // The system's box has Yes and No: the question says what each does.
    const std::wstring text = wide(question + "\n\nYes: " + first + ".\nNo: " + second + ".");
    return MessageBoxW(native_->hwnd, text.c_str(), windowText(native_->hwnd).c_str(),
                       MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON1) == IDYES;
}

void Form::activate() {
    load();
    ShowWindow(native_->hwnd, IsIconic(native_->hwnd) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(native_->hwnd);
}

void Form::placeBeside(const Form& other) {
    load();
    RECT theirs{}, mine{};
    GetWindowRect(other.native_->hwnd, &theirs);
    GetWindowRect(native_->hwnd, &mine);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(other.native_->hwnd, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& screen = monitor.rcWork;
    const LONG width = mine.right - mine.left, height = mine.bottom - mine.top;
    LONG left = theirs.right;
    if (left + width > screen.right) left = theirs.left - width;
    if (left < screen.left)
        left = (theirs.left + theirs.right) / 2 < (screen.left + screen.right) / 2
                   ? screen.right - width
                   : screen.left;
    const LONG top =
        std::clamp(theirs.top, screen.top, std::max(screen.top, screen.bottom - height));
    SetWindowPos(native_->hwnd, nullptr, left, top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Form::isOpen() const {
    return native_->hwnd != nullptr && IsWindow(native_->hwnd) && IsWindowVisible(native_->hwnd);
}

Control* Form::focusedControl() const {
    return native_->controlOf(GetFocus());
}

void Form::raiseResize() {
    if (loaded_) Form_Resize();
}

}  // namespace toolkit
