// The sheet kept between starts: read at start (a damaged file set aside, an older one written
// again in today's form), kept at every change, merged with what another window kept since,
// and a save that failed said until one succeeds, and asked about at close.
#include <stdexcept>

#include "ui/frm_market.h"
#include "ui/market_file.h"

namespace {

constexpr const char* kSettingNames[market_sheet::kSettings] = {"Commission", "Min stake",
                                                                "Min payout", "Winners"};

}  // namespace

void frmMarket::LoadSheet() {
    try {
        if (auto kept = market_file::load(file_, format_)) {
            sheet_ = base_ = kept->sheet;
            // Read once in the older form, then kept in today's.
            if (kept->older) pendingRewrite_ = true;
        }
    } catch (const std::runtime_error& error) {
        // Never overwritten in silence: the damaged file is kept under another name.
        std::string aside;
        try {
            aside = market_file::setAside(file_);
            aside = aside.substr(aside.rfind('/') + 1);
        } catch (const std::exception&) {
            aside = "(it could not be moved)";
        }
        strLoadMessage = "The market kept last time " + std::string(error.what()) +
                         ": it was set aside as " + aside + ".";
    }
}

bool frmMarket::SaveSheet() {
    try {
        MergeTheirs();
        market_file::save(sheet_, file_, format_);
        base_ = sheet_;
        if (!strSaveFailure.empty() && lblMessage().caption() == strSaveFailure)
            lblMessage().setCaption("");
        strSaveFailure.clear();
        return true;
    } catch (const std::exception& error) {
        strSaveFailure = "The market could not be kept in " + file_ + " (" + error.what() +
                         "); it is tried again at each change.";
        ShowMessage(strSaveFailure);
        return false;
    }
}

// What another window kept since this one last read or wrote the file is taken in: each cell
// and setting this window has not changed since takes the file's.
bool frmMarket::MergeTheirs() {
    std::optional<market_file::Loaded> theirs;
    try {
        theirs = market_file::load(file_, format_);
    } catch (const std::runtime_error&) {
        return false;
    }
    if (!theirs || theirs->sheet == base_) return false;
    bool bothChanged = false;
    auto take = [&](auto& ours, const auto& base, const auto& their) {
        if (ours == base)
            ours = their;
        else
            bothChanged = bothChanged || their != base;
    };
    for (std::size_t r = 0; r < market_sheet::kRows; ++r)
        for (std::size_t c = 0; c < market_sheet::kTypedColumns; ++c) {
            take(sheet_.rows[r].cells[c], base_.rows[r].cells[c], theirs->sheet.rows[r].cells[c]);
            take(sheet_.rows[r].refused[c], base_.rows[r].refused[c],
                 theirs->sheet.rows[r].refused[c]);
        }
    take(sheet_.follows, base_.follows, theirs->sheet.follows);
    for (std::size_t i = 0; i < market_sheet::kSettings; ++i) {
        take(sheet_.settings[i], base_.settings[i], theirs->sheet.settings[i]);
        take(sheet_.settingRefused[i], base_.settingRefused[i], theirs->sheet.settingRefused[i]);
    }
    base_ = theirs->sheet;
    ShowSheet();
    ShowMessage(bothChanged ? "The market was changed in another window too: its edits are "
                              "taken in, and where both changed a cell this window's is kept."
                            : "The market was changed in another window too: its edits are "
                              "taken in.");
    return true;
}

void frmMarket::Form_QueryUnload(bool& Cancel) {
    if (strSaveFailure.empty() || SaveSheet()) return;
    Cancel = ask(strSaveFailure +
                     "\n\nKeep the window open and go on trying, or close it and "
                     "lose the edits not kept?",
                 "Keep trying", "Close and lose them");
}

void frmMarket::ShowMessage(const std::string& text) {
    const std::string shown = text.empty() ? strSaveFailure : text;
    const bool news = shown != lblMessage().caption();
    lblMessage().setCaption(shown);
    if (news && !shown.empty()) lblMessage().announce();
}

// The first cell still refused and why, for a sheet read with cells it could not accept; at
// start the focus goes there, as it stays in a typed cell that is refused.
void frmMarket::ShowRefusal(bool focusIt) {
    const auto why = [](const market_sheet::Accepted& accepted) {
        return accepted.text ? std::string("refused as read; Enter takes it as shown")
                             : accepted.refusal;
    };
    for (std::size_t i = 0; i < market_sheet::kSettings; ++i)
        if (sheet_.settingRefused[i]) {
            const auto setting = static_cast<market_sheet::Setting>(i);
            ShowMessage(std::string(kSettingNames[i]) + ": " +
                        why(market_sheet::acceptSetting(setting, sheet_.settings[i], format_)));
            if (focusIt) txtSettings(static_cast<int>(i)).setFocus();
            return;
        }
    for (std::size_t r = 0; r < market_sheet::kRows; ++r)
        for (std::size_t c = 0; c < market_sheet::kTypedColumns; ++c)
            if (sheet_.rows[r].refused[c]) {
                const auto column = static_cast<market_sheet::Column>(c);
                ShowMessage(
                    "Row " + std::to_string(r + 1) + " " + market_sheet::kColumnCaptions[c] + ": " +
                    why(market_sheet::acceptCell(column, sheet_.rows[r].cells[c], format_)));
                if (focusIt) MoveToCell(static_cast<int>(r), static_cast<int>(c));
                return;
            }
}
