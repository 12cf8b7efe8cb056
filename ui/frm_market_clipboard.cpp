// The sheet to and from the clipboard, as a spreadsheet copies and pastes rows: Ctrl+V pastes
// from the focused cell, Ctrl+C copies the whole sheet with its results, Ctrl+Z puts back the
// sheet as it was before the paste.
#include "ui/frm_market.h"
#include "ui/toolkit/clipboard.h"

#include <algorithm>

using market_sheet::Column;

namespace {

// "2 cells refused; the first, row 4 Back: ...", after the rows that fell past the sheet.
std::string pasteMessage(int refused, const std::string& first, int beyond) {
    std::string message;
    if (beyond > 0)
        message = std::to_string(beyond) + (beyond == 1 ? " row" : " rows") +
                  " past the sheet's last row (" + std::to_string(market_sheet::kRows) +
                  ") not pasted";
    if (refused > 0)
        message += (message.empty() ? "" : "; ") + std::to_string(refused) +
                   (refused == 1 ? " cell" : " cells") + " refused; the first, " + first;
    return message;
}

}  // namespace

bool frmMarket::ClipboardKeyDown(int Index, int KeyCode) {
    switch (KeyCode) {
        case 'V':
            PasteCells(Index);
            return true;
        case 'C':
            CopySheet();
            return true;
        case 'Z':
            return UndoSheet();
        default:
            return false;
    }
}

// From the focused cell rightwards and downwards (a single column down the focused one), each
// cell accepted or refused as if it had been typed: a refused one keeps its text, marked. The
// results a copy of the sheet carries past the Bets column are not typed, and are passed over.
void frmMarket::PasteCells(int Index) {
    const auto rows = market_sheet::pastedRows(toolkit::clipboardText());
    const int top = intTopRow + rowOf(Index);
    const int left = std::min<int>(columnOf(Index), market_sheet::kTypedColumns - 1);
    if (rows.empty()) return;
    undo_ = sheet_;
    int refused = 0, beyond = 0;
    std::string first;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int row = top + static_cast<int>(r);
        if (row >= market_sheet::kRows) {
            ++beyond;
            continue;
        }
        market_sheet::Row& kept = sheet_.rows[static_cast<std::size_t>(row)];
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const int column = left + static_cast<int>(c);
            if (column >= market_sheet::kTypedColumns) break;
            const auto at = static_cast<std::size_t>(column);
            const auto accepted =
                market_sheet::acceptCell(static_cast<Column>(column), rows[r][c], format_);
            kept.cells[at] = accepted.text.value_or(rows[r][c]);
            kept.refused[at] = !accepted.text;
            if (accepted.text || refused++ > 0) continue;
            first = "row " + std::to_string(row + 1) + " " + market_sheet::kColumnCaptions[at] +
                    ": " + accepted.refusal;
        }
    }
    ShowRows();
    SaveSheet();
    strSavedText = txtCells(Index).text();
    ShowMessage(pasteMessage(refused, first, beyond));
}

void frmMarket::CopySheet() {
    std::string text;
    for (int column = 0; column < kColumns; ++column)
        text += std::string(column == 0 ? "" : "\t") + market_sheet::kColumnCaptions[column];
    text += "\n";
    std::size_t last = market_sheet::kRows;
    while (last > 0 && sheet_.rows[last - 1].empty()) --last;
    for (std::size_t row = 0; row < last; ++row) {
        for (std::size_t column = 0; column < market_sheet::kTypedColumns; ++column)
            text += (column == 0 ? "" : "\t") + sheet_.rows[row].cells[column];
        for (const std::string& result : results_[row]) text += "\t" + result;
        text += "\n";
    }
    toolkit::setClipboardText(text);
    ShowMessage("Copied the sheet: " + std::to_string(last) + (last == 1 ? " row" : " rows"));
}

// The sheet as it was before the last paste or opened file; nothing to put back leaves the key to
// the cell.
bool frmMarket::UndoSheet() {
    if (!undo_) return false;
    sheet_ = *undo_;
    undo_.reset();
    followedStamps_ = stampsOf(sheet_.follows);
    ShowSheet();
    SaveSheet();
    ShowMessage("");
    ShowRefusal();
    return true;
}
