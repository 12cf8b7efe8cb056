// Start-up, the tabs, what the fields work out, and the fields kept between starts.
#include <stdexcept>

#include "platform/files.h"
#include "ui/frm_offers.h"

void frmOffers::Form_Load() {
    Show();
    for (int i = 0; i < kFieldCount; ++i)
        txtFields(i).setText(fields_[static_cast<std::size_t>(i)]);
    tabOffers().setSelectedItem(tab_ + 1);
    ShowTab();
    ShowMessage(strLoadMessage);
}

void frmOffers::tabOffers_Click() {
    tab_ = static_cast<offers::Tab>(tabOffers().selectedItem() - 1);
    ShowTab();
    SaveFields();
}

// The tab's controls shown, the others' hidden, its results worked out, and the focus in its
// first field.
void frmOffers::ShowTab() {
    for (int t = 0; t < offers::kTabs; ++t)
        for (toolkit::Control* control : pages_[static_cast<std::size_t>(t)])
            control->setVisible(t == tab_);
    const int first = tab_ == offers::kFreeBet   ? offers::kFreeKind
                      : tab_ == offers::kEachWay ? offers::kWayStake
                                                 : offers::kAccaStake;
    CalculateOffer();
    txtFields(first).setFocus();
}

void frmOffers::CalculateOffer() {
    const offers::Shown shown = offers::showTab(tab_, fields_, format_);
    lblSummary().setCaption(shown.refusal.empty() ? shown.summary : shown.refusal);
    for (int c = 0; c < kResultColumns; ++c)
        lblHeadings(c).setCaption(static_cast<std::size_t>(c) < shown.headings.size()
                                      ? shown.headings[static_cast<std::size_t>(c)]
                                      : "");
    for (int row = 0; row < kResultRows; ++row) {
        const auto r = static_cast<std::size_t>(row);
        for (int c = 0; c < kResultColumns; ++c) {
            const auto at = static_cast<std::size_t>(c);
            const bool shownCell = r < shown.rows.size() && at < shown.rows[r].size();
            toolkit::TextBox& cell = txtResults(row * kResultColumns + c);
            cell.setText(shownCell ? shown.rows[r][at] : "");
            cell.setVisible(shownCell);
            if (shownCell) cell.setAccessibleName(shown.rows[r][0] + ", " + shown.headings[at]);
        }
    }
    for (int leg = 0; leg < quorvel::kMaxAccaLegs; ++leg)
        for (int c = 0; c < kLegResults; ++c)
            txtLegResults(leg * kLegResults + c)
                .setText(shown.legs[static_cast<std::size_t>(leg)][static_cast<std::size_t>(c)]);
}

void frmOffers::ShowMessage(const std::string& text) {
    const std::string shown = text.empty() ? strSaveFailure : text;
    const bool news = shown != lblMessage().caption();
    lblMessage().setCaption(shown);
    if (news && !shown.empty()) lblMessage().announce();
}

void frmOffers::LoadFields() {
    std::string text;
    switch (platform::readFile(file_, 1 << 16, text)) {
        case platform::ReadResult::Missing:
            return;
        case platform::ReadResult::Read:
            break;
        default:
            strLoadMessage = "The offers kept last time cannot be read: " + file_;
            return;
    }
    try {
        offers::Loaded loaded = offers::fieldsOf(text, format_);
        fields_ = loaded.fields;
        tab_ = loaded.tab;
        strLoadMessage = loaded.refusal;
    } catch (const std::runtime_error& error) {
        strLoadMessage = "The offers kept last time " + std::string(error.what()) +
                         ": the fields start afresh, and are kept anew at the next change.";
    }
}

// Kept carefully at each change (a new file, synced, renamed over the old); a failure is said
// until a save succeeds.
void frmOffers::SaveFields() {
    const std::string folder = file_.substr(0, file_.rfind('/'));
    std::string failure;
    if (!platform::makeFolders(folder))
        failure = "its folder cannot be made";
    else
        failure = platform::writeFileCarefully(file_, offers::textOf(fields_, tab_, format_));
    const bool wasFailing = !strSaveFailure.empty();
    strSaveFailure =
        failure.empty() ? "" : "The offers could not be kept in " + file_ + " (" + failure + ")";
    if (!failure.empty() || wasFailing) ShowMessage(strSaveFailure);
}
