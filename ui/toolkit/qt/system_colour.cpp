#include "ui/toolkit/qt/native.h"

#include <QGuiApplication>

namespace toolkit {

QPalette::ColorRole paletteRole(SystemColour colour) {
    switch (colour) {
        case SystemColour::Window:
            return QPalette::Base;
        case SystemColour::WindowText:
            return QPalette::Text;
        case SystemColour::ButtonFace:
            return QPalette::Window;
        case SystemColour::ButtonText:
            return QPalette::ButtonText;
        case SystemColour::DarkShadow3D:
            return QPalette::Shadow;
        case SystemColour::Light3D:
            return QPalette::Midlight;
        case SystemColour::InfoText:
            return QPalette::ToolTipText;
        case SystemColour::InfoBackground:
            return QPalette::ToolTipBase;
    }
    return QPalette::Window;
}

QColor resolve(SystemColour colour) {
    return QGuiApplication::palette().color(paletteRole(colour));
}

}  // namespace toolkit
