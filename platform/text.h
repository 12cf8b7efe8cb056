#pragma once

#include <string>
#include <string_view>

// Text between UTF-8, which crosses every interface of the program, and UTF-16, which the
// Windows API holds. Windows only: there wchar_t is a UTF-16 unit.
namespace platform {

// wide("Pr\xC3\xA9") == L"Pré"; text that is not UTF-8 gives U+FFFD where it fails.
std::wstring wide(std::string_view utf8);
std::string utf8(std::wstring_view wide);

// The system's own words for an error code ("There is not enough space on the disk"), without
// the full stop and line break it ends them with; "error N" for a code it has no words for.
std::string systemMessage(unsigned long error);

}  // namespace platform
