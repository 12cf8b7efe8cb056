#include "ui/toolkit/frame.h"

#include "ui/toolkit/barrier.h"
#include "ui/toolkit/twips.h"
#include "ui/toolkit/win32/native.h"

namespace toolkit {

namespace {

constexpr wchar_t kFrameClass[] = L"QuorvelFrame";

struct NativeFrame : NativeControl {
    NativeFrame(HWND h, NativeForm& f, const std::deque<Line>& l)
        : NativeControl(h), form(f), lines(l) {}
    NativeForm& form;
    const std::deque<Line>& lines;
    TwipScale scale;

    RECT pixels(const Line& line) const {
        const int row = scale.lineRow(line.y1);
        return {scale.px(line.x1), row, scale.px(line.x2), scale.lineRow(line.y2) + 1};
    }
};

LRESULT frameProcBody(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* frame = reinterpret_cast<NativeFrame*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (frame == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
    LRESULT result = 0;
    // The controls in the frame report to it; the form handles them.
    if (frame->form.onChildMessage(message, wParam, lParam, result)) return result;
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        // Filled rows rather than stroked lines: a row stays a whole row at any scale.
        for (const Line& line : frame->lines) {
            const RECT r = frame->pixels(line);
            FillRect(dc, &r, brushOf(line.colour));
        }
        EndPaint(hwnd, &paint);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK frameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return guarded([&] { return frameProcBody(hwnd, message, wParam, lParam); });
}

HWND createFrameWindow(HWND parent) {
    registerWindowClass(kFrameClass, frameProc);
    return CreateWindowExW(WS_EX_CONTROLPARENT, kFrameClass, L"",
                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, 0, 0,
                           parent, nullptr, instance(), nullptr);
}

NativeFrame& frameOf(const Frame& frame) {
    return static_cast<NativeFrame&>(frame.native());
}

}  // namespace

Frame::Frame(ControlParent parent)
    : Control(std::make_unique<NativeFrame>(createFrameWindow(parentWindow(parent)),
                                            nativeFormOf(parent), lines_)) {
    SetWindowLongPtrW(native().hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&frameOf(*this)));
}

int Frame::lineRow(const Line& line) const {
    return frameOf(*this).pixels(line).top;
}

void Frame::applyScale(const TwipScale& scale) {
    Control::applyScale(scale);
    frameOf(*this).scale = scale;
    InvalidateRect(native().hwnd, nullptr, TRUE);
}

}  // namespace toolkit
