#include "ui/toolkit/config_folder.h"

#include <windows.h>
// after windows.h, which it needs
#include <shlobj.h>

namespace toolkit {

std::filesystem::path configFolder() {
    PWSTR roaming = nullptr;
    std::filesystem::path folder = L".";
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &roaming)))
        folder = roaming;
    CoTaskMemFree(roaming);
    return folder / L"Quorvel";
}

}  // namespace toolkit
