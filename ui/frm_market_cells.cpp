// What the cells do: select on entry, Enter and Tab move on, Up and Down change rows, + and -
// step a price along the ladder, Escape restores, and leaving checks the cell.
#include <algorithm>

#include "ui/frm_market.h"
#include "ui/toolkit/keyboard.h"

using market_sheet::Column;

namespace {

bool isPriceColumn(Column column) {
    return column == market_sheet::kBack || column == market_sheet::kLay;
}

}  // namespace

void frmMarket::txtCells_GotFocus(int Index) {
    toolkit::TextBox& cell = txtCells(Index);
    strSavedText = cell.text();
    if (!cell.locked()) cell.selectAll();
}

void frmMarket::txtCells_KeyPress(int Index, int& KeyAscii) {
    const Column column = columnOf(Index);
    if (KeyAscii == toolkit::kEnter) {
        KeyAscii = 0;
        MoveNext(Index, false);
    } else if ((KeyAscii == '+' || KeyAscii == '-') && isPriceColumn(column)) {
        const int steps = KeyAscii == '+' ? 1 : -1;
        KeyAscii = 0;
        toolkit::TextBox& cell = txtCells(Index);
        cell.setText(market_sheet::stepPrice(cell.text(), steps, format_));
        cell.selectAll();
    }
}

void frmMarket::txtCells_KeyUp(int Index, int KeyCode, int /*Shift*/) {
    toolkit::TextBox& cell = txtCells(Index);
    if (KeyCode != toolkit::kEscape || cell.locked()) return;
    cell.setText(strSavedText);
    cell.selectAll();
}

void frmMarket::txtCells_Validate(int Index, bool& Cancel) {
    const Column column = columnOf(Index);
    if (column >= market_sheet::kTypedColumns) return;
    toolkit::TextBox& cell = txtCells(Index);
    const market_sheet::Accepted accepted = market_sheet::acceptCell(column, cell.text(), format_);
    if (!accepted.text) {
        ShowMessage(accepted.refusal);
        Cancel = true;
        return;
    }
    ShowMessage("");
    cell.setText(*accepted.text);
    market_sheet::Row& row = sheet_.rows[static_cast<std::size_t>(intTopRow + rowOf(Index))];
    std::string& kept = row.cells[static_cast<std::size_t>(column)];
    bool& refused = row.refused[static_cast<std::size_t>(column)];
    if (kept == *accepted.text && !refused) return;
    kept = *accepted.text;
    refused = false;
    if (column == market_sheet::kRunner) ShowRows();  // the row's cells are named by it
    SaveSheet();
    CalculateMarket();
    ShowRefusal();
}

bool frmMarket::Form_KeyDown(int KeyCode, int Shift) {
    const bool ctrl = (Shift & toolkit::kCtrlMask) != 0;
    if (ctrl && KeyCode == 'G') {
        ShowGreen((Shift & toolkit::kShiftMask) != 0 ? quorvel::Green::Best : quorvel::Green::Each);
        return true;
    }
    if (ctrl && KeyCode == '0') {
        ShowGreen(quorvel::Green::None);
        return true;
    }
    if (Shift == toolkit::kCtrlMask && KeyCode == 'O') {
        OpenMarketFile();
        return true;
    }
    if (Shift == toolkit::kCtrlMask && KeyCode == 'F' && openOffers) {
        openOffers();
        return true;
    }
    const toolkit::TextBox* active = activeTextBox();
    for (int i = 0; i < kCellCount && active != nullptr; ++i)
        if (&txtCells_(i) == active) return CellKeyDown(i, KeyCode, Shift);
    return false;  // the settings take keys as fields do
}

// The keys that move through the sheet from cell Index, or clear its row.
bool frmMarket::CellKeyDown(int Index, int KeyCode, int Shift) {
    const bool ctrl = (Shift & toolkit::kCtrlMask) != 0;
    const int row = intTopRow + rowOf(Index);
    const Column column = columnOf(Index);
    if (ctrl && KeyCode == toolkit::kDelete) {
        ClearRow(row);
        return true;
    }
    if (Shift == toolkit::kCtrlMask && ClipboardKeyDown(Index, KeyCode)) return true;
    if (Shift != 0 && Shift != toolkit::kShiftMask) return false;
    switch (KeyCode) {
        case toolkit::kUp:
            MoveToCell(row - 1, column);
            return true;
        case toolkit::kDown:
            MoveToCell(row + 1, column);
            return true;
        case toolkit::kPageUp:
            MoveToCell(row - kVisibleRows, column);
            return true;
        case toolkit::kPageDown:
            MoveToCell(row + kVisibleRows, column);
            return true;
        case toolkit::kTab:
            MoveNext(Index, Shift == toolkit::kShiftMask, true);
            return true;
        default:
            return false;
    }
}

// Runner, Back, Lay, Bets, then the next row's Runner; backwards the other way; with every
// cell (Tab), the row's results too, which take the focus read-only, so that a screen reader
// reaches them. Enter in a result cell moves on to the next row's Runner.
void frmMarket::MoveNext(int Index, bool backwards, bool everyCell) {
    const int columns = everyCell ? kColumns : market_sheet::kTypedColumns;
    int row = intTopRow + rowOf(Index);
    int column = std::min<int>(columnOf(Index), columns);
    if (backwards) {
        if (--column < 0) {
            column = columns - 1;
            --row;
        }
    } else if (++column >= columns) {
        column = market_sheet::kRunner;
        ++row;
    }
    if (row < 0 || row >= market_sheet::kRows) {
        // Past either end of the sheet: the cell is still checked, and the focus stays.
        focus().mayLeaveFor(nullptr);
        return;
    }
    MoveToCell(row, column);
}

void frmMarket::MoveToCell(int row, int column) {
    row = std::clamp(row, 0, market_sheet::kRows - 1);
    // The cell being left is checked while it still shows its own row.
    if (!focus().mayLeaveFor(nullptr)) return;
    if (row < intTopRow)
        intTopRow = row;
    else if (row >= intTopRow + kVisibleRows)
        intTopRow = row - kVisibleRows + 1;
    ShowRows();
    txtCells((row - intTopRow) * kColumns + column).setFocus();
}

void frmMarket::ClearRow(int row) {
    sheet_.rows[static_cast<std::size_t>(row)] = {};
    ShowMessage("");
    ShowRows();
    SaveSheet();
    CalculateMarket();
    ShowRefusal();
    if (toolkit::TextBox* active = activeTextBox()) {
        strSavedText = active->text();
        active->selectAll();
    }
}

void frmMarket::txtSettings_GotFocus(int Index) {
    strSavedText = txtSettings(Index).text();
    txtSettings(Index).selectAll();
}

void frmMarket::txtSettings_KeyPress(int /*Index*/, int& KeyAscii) {
    if (KeyAscii == toolkit::kEnter) {
        KeyAscii = 0;
        toolkit::pressTab();
    }
}

void frmMarket::txtSettings_KeyUp(int Index, int KeyCode, int /*Shift*/) {
    if (KeyCode != toolkit::kEscape) return;
    txtSettings(Index).setText(strSavedText);
    txtSettings(Index).selectAll();
}

void frmMarket::txtSettings_Validate(int Index, bool& Cancel) {
    toolkit::TextBox& field = txtSettings(Index);
    const auto setting = static_cast<market_sheet::Setting>(Index);
    const market_sheet::Accepted accepted =
        market_sheet::acceptSetting(setting, field.text(), format_);
    if (!accepted.text) {
        ShowMessage(accepted.refusal);
        Cancel = true;
        return;
    }
    ShowMessage("");
    field.setText(*accepted.text);
    std::string& kept = sheet_.settings[static_cast<std::size_t>(Index)];
    bool& refused = sheet_.settingRefused[static_cast<std::size_t>(Index)];
    if (kept == *accepted.text && !refused) return;
    kept = *accepted.text;
    refused = false;
    SaveSheet();
    CalculateMarket();
    ShowRefusal();
}
