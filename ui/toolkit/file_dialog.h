#pragma once

#include <string>
#include <vector>

// The platform's own dialog for opening files.
namespace toolkit {

class Form;

// Files of one kind, as the dialog offers them: "Exchange files", {"*.json", "*.bz2"}.
struct FileKind {
    std::string name;
    std::vector<std::string> patterns;
};

// Over owner, the window waiting for the answer: the files the user chose (one or several,
// UTF-8 paths), none when the dialog was cancelled. Every file can be chosen too.
//   for (const std::string& path : chooseFilesToOpen(form, "Open", {"JSON", {"*.json"}})) ...
std::vector<std::string> chooseFilesToOpen(Form& owner, const std::string& title,
                                           const FileKind& kind);

}  // namespace toolkit
