// The market opened from the exchange's files (Ctrl+O: a book, a book with its catalogue, or a
// stream file) and followed as a bot writes them again: read anew within a second, the cell
// being typed in left alone, a file that cannot be read leaving the sheet as it was.
#include <stdexcept>

#include "ui/exchange_sheet.h"
#include "ui/frm_market.h"
#include "ui/toolkit/file_dialog.h"

namespace {

std::string nameOf(const std::string& path) {
    return path.substr(path.find_last_of("/\\") + 1);
}

std::string namesOf(const std::vector<std::string>& files) {
    std::string names;
    for (const std::string& file : files) names += (names.empty() ? "" : ", ") + nameOf(file);
    return names;
}

}  // namespace

void frmMarket::OpenMarketFile() {
    setTimer(0);  // not read again while the dialog waits
    const std::vector<std::string> files = toolkit::chooseFilesToOpen(
        *this, "Open a market book (with its catalogue) or a stream file",
        {"The exchange's files", {"*.json", "*.txt", "*.bz2"}});
    setTimer(kFollowMs);
    if (files.empty()) return;
    try {
        market_sheet::Sheet opened = market_sheet::sheetOfFiles(files, sheet_, format_);
        undo_ = sheet_;
        sheet_ = std::move(opened);
    } catch (const std::runtime_error& error) {
        ShowMessage(namesOf(files) + " cannot be opened: " + error.what());
        return;
    }
    followedStamps_ = stampsOf(sheet_.follows);
    ShowSheet();
    SaveSheet();
    if (toolkit::TextBox* box = activeTextBox()) TakeAsEntered(*box);
    ShowMessage("Opened " + namesOf(files) +
                "; followed as it changes (Ctrl+Z puts back the sheet)");
    ShowRefusal();
}

std::vector<std::optional<platform::FileStamp>> frmMarket::stampsOf(
    const std::vector<std::string>& files) {
    std::vector<std::optional<platform::FileStamp>> stamps;
    for (const std::string& file : files) stamps.push_back(platform::fileStamp(file));
    return stamps;
}

void frmMarket::Form_Timer() {
    if (sheet_.follows.empty()) return;
    auto stamps = stampsOf(sheet_.follows);
    if (stamps == followedStamps_) return;
    followedStamps_ = std::move(stamps);
    ReadFollowed();
}

void frmMarket::ReadFollowed() {
    market_sheet::Sheet read;
    try {
        read = market_sheet::sheetOfFiles(sheet_.follows, sheet_, format_);
    } catch (const std::runtime_error& error) {
        ShowMessage(namesOf(sheet_.follows) + " could not be read again (" + error.what() +
                    "); the sheet is as it was");
        return;
    }
    // The box being typed in keeps what is typed; Enter or leaving it takes it in.
    toolkit::TextBox* typing = activeTextBox();
    const std::string typed = typing != nullptr ? typing->text() : std::string();
    const bool keep = typing != nullptr && typed != strSavedText;
    sheet_ = std::move(read);
    ShowSheet();
    SaveSheet();
    if (keep) typing->setText(typed);
    if (typing != nullptr && !keep) TakeAsEntered(*typing);
    ShowMessage("");
    ShowRefusal();
}

// A box whose text the sheet changed under the focus: Escape restores the new text, and
// typing replaces it, as on entry.
void frmMarket::TakeAsEntered(toolkit::TextBox& box) {
    strSavedText = box.text();
    box.selectAll();
}

// The sheet's cells and settings shown, and the title naming the files it follows.
void frmMarket::ShowSheet() {
    for (int i = 0; i < kSettingCount; ++i)
        txtSettings(i).setText(sheet_.settings[static_cast<std::size_t>(i)]);
    ShowRows();
    setCaption(sheet_.follows.empty() ? "Quorvel Market"
                                      : "Quorvel Market - " + namesOf(sheet_.follows));
}
