#pragma once

#include <QColor>
#include <QPalette>

namespace toolkit {

// Windows system colours by index, resolved through the application palette so the window
// follows the user's light or dark theme.
enum class SystemColour {
    Window = 5,           // COLOR_WINDOW
    WindowText = 8,       // COLOR_WINDOWTEXT
    ButtonFace = 15,      // COLOR_BTNFACE
    ButtonText = 18,      // COLOR_BTNTEXT
    DarkShadow3D = 21,    // COLOR_3DDKSHADOW
    Light3D = 22,         // COLOR_3DLIGHT
    InfoText = 23,        // COLOR_INFOTEXT
    InfoBackground = 24,  // COLOR_INFOBK
};

QPalette::ColorRole paletteRole(SystemColour colour);
QColor resolve(SystemColour colour);

}  // namespace toolkit
