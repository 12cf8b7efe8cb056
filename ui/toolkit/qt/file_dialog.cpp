#include "ui/toolkit/file_dialog.h"

#include <QFileDialog>

#include "ui/toolkit/qt/native.h"

namespace toolkit {

std::vector<std::string> chooseFilesToOpen(Form& owner, const std::string& title,
                                           const FileKind& kind) {
    QString filter = qt(kind.name) + " (";
    for (std::size_t i = 0; i < kind.patterns.size(); ++i)
        filter += (i > 0 ? " " : "") + qt(kind.patterns[i]);
    filter += ");;All files (*)";
    std::vector<std::string> chosen;
    for (const QString& path :
         QFileDialog::getOpenFileNames(owner.native().window, qt(title), QString(), filter))
        chosen.push_back(utf8(path));
    // The keyboard back to the window the dialog stood over, where every system puts it.
    owner.native().window->activateWindow();
    return chosen;
}

}  // namespace toolkit
