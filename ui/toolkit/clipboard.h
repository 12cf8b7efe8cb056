#pragma once

#include <string>

// The system's clipboard, as plain text in UTF-8: what a spreadsheet copies (rows of
// tab-separated cells) comes in, and a sheet goes out the same way.
namespace toolkit {

std::string clipboardText();
void setClipboardText(const std::string& text);

}  // namespace toolkit
