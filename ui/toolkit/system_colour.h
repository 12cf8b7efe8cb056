#pragma once

namespace toolkit {

// Windows system colours by index; each back end resolves them to its platform's own, so the
// window follows the user's light or dark theme.
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

}  // namespace toolkit
