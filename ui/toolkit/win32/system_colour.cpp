#include "ui/toolkit/win32/native.h"

namespace toolkit {

COLORREF colourOf(SystemColour colour) {
    return GetSysColor(static_cast<int>(colour));
}

HBRUSH brushOf(SystemColour colour) {
    return GetSysColorBrush(static_cast<int>(colour));  // the system's own: never freed
}

HINSTANCE instance() {
    return GetModuleHandleW(nullptr);
}

}  // namespace toolkit
