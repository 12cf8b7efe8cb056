#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/market.h"
#include "core/number_format.h"
#include "platform/files.h"
#include "ui/market_sheet.h"
#include "ui/toolkit/control_array.h"
#include "ui/toolkit/form.h"
#include "ui/toolkit/label.h"
#include "ui/toolkit/text_box.h"

// The market window: a sheet of runners, one row each (name, back and lay price, bets), with
// what each runner's win pays, and the whole market greened at one key. The sheet is kept in
// the user's configuration folder from one start to the next.
class frmMarket : public toolkit::Form {
  public:
    // folder: where the sheet is kept, the user's configuration folder by default.
    frmMarket(quorvel::NumberFormat format, const std::string& folder);
    frmMarket();

    static constexpr int kVisibleRows = 10;
    static constexpr int kColumns = market_sheet::kColumns;
    static constexpr int kCellCount = kVisibleRows * kColumns;
    static constexpr int kRateSetting = 0;
    static constexpr int kMinStakeSetting = 1;
    static constexpr int kMinPayoutSetting = 2;
    static constexpr int kWinnersSetting = 3;
    static constexpr int kSettingCount = 4;
    // How often the followed files are looked at: one written again is read within a second.
    static constexpr int kFollowMs = 500;

    // The controls, loading the window on first use. Cell (row, column) of the rows shown is
    // txtCells(row * kColumns + column).
    toolkit::TextBox& txtCells(int index) { return loaded(txtCells_, index); }
    toolkit::TextBox& txtSettings(int index) { return loaded(txtSettings_, index); }
    toolkit::Label& lblBook() { return loaded(lblBook_); }
    toolkit::Label& lblGreenEach() { return loaded(lblGreenEach_); }
    toolkit::Label& lblGreenBest() { return loaded(lblGreenBest_); }
    toolkit::Label& lblMessage() { return loaded(lblMessage_); }
    toolkit::Label& lblRows() { return loaded(lblRows_); }
    toolkit::Label& lblIfWins() { return loaded(lblIfWins_); }

    // What Ctrl+F does: open the offers window, or bring it to the front.
    std::function<void()> openOffers;

    // State, for those who look in (the tests).
    int topRow() const { return intTopRow; }
    quorvel::Green green() const { return green_; }
    const market_sheet::Sheet& sheet() const { return sheet_; }

  private:
    // Layout.
    void Form_Create() override;
    void createGrid();
    void createSummary();
    void createSettings();
    void fitScaleToFont();
    toolkit::Label& newLabel(int left, int top, int width, const std::string& caption);

    // Start-up and the kept sheet.
    void Form_Load() override;
    void Form_QueryUnload(bool& Cancel) override;
    void LoadSheet();
    bool SaveSheet();
    bool MergeTheirs();
    void ShowMessage(const std::string& text);
    void ShowRefusal(bool focusIt = false);

    // Cells: the row and column, among the rows shown, of the cell of that index.
    static int rowOf(int Index) { return Index / kColumns; }
    static market_sheet::Column columnOf(int Index) {
        return static_cast<market_sheet::Column>(Index % kColumns);
    }
    void txtCells_GotFocus(int Index);
    void txtCells_KeyPress(int Index, int& KeyAscii);
    void txtCells_KeyUp(int Index, int KeyCode, int Shift);
    void txtCells_Validate(int Index, bool& Cancel);
    void txtSettings_GotFocus(int Index);
    void txtSettings_KeyPress(int Index, int& KeyAscii);
    void txtSettings_KeyUp(int Index, int KeyCode, int Shift);
    void txtSettings_Validate(int Index, bool& Cancel);
    bool Form_KeyDown(int KeyCode, int Shift) override;
    bool CellKeyDown(int Index, int KeyCode, int Shift);

    // Moving about the sheet, a row out of sight brought into it.
    void MoveToCell(int row, int column);
    void MoveNext(int Index, bool backwards, bool everyCell = false);
    void ShowRows();
    void ClearRow(int row);

    // Results.
    void CalculateMarket();
    void ShowResults(const market_sheet::Market& market, const quorvel::MarketReport& shown);
    std::string outcomesText(const quorvel::MarketRequest& request,
                             const quorvel::MarketReport& shown) const;
    void ShowGreen(quorvel::Green green);
    void ShowResultCells();

    // The clipboard, and the sheet put back as it was before a paste.
    bool ClipboardKeyDown(int Index, int KeyCode);
    void PasteCells(int Index);
    void CopySheet();
    bool UndoSheet();

    // The exchange's files: opened, and read again as they change.
    void OpenMarketFile();
    void Form_Timer() override;
    void ReadFollowed();
    void ShowSheet();
    void TakeAsEntered(toolkit::TextBox& box);
    static std::vector<std::optional<platform::FileStamp>> stampsOf(
        const std::vector<std::string>& files);

    std::string display(quorvel::Money value) const { return value.display(format_); }

    quorvel::NumberFormat format_;
    std::string file_;
    market_sheet::Sheet sheet_;
    std::optional<market_sheet::Sheet> undo_;  // the sheet before the last paste or open
    // The followed files as last read: a change is read again.
    std::vector<std::optional<platform::FileStamp>> followedStamps_;
    // Each sheet row's results as shown: If wins (or If placed), Hedge, Net.
    std::array<std::array<std::string, 3>, market_sheet::kRows> results_;
    toolkit::TextBoxEvents cellEvents_;
    toolkit::TextBoxEvents settingEvents_;
    toolkit::ControlArray<toolkit::TextBox> txtCells_;
    toolkit::ControlArray<toolkit::TextBox> txtSettings_;
    toolkit::Label* lblBook_ = nullptr;
    toolkit::Label* lblGreenEach_ = nullptr;
    toolkit::Label* lblGreenBest_ = nullptr;
    toolkit::Label* lblMessage_ = nullptr;
    toolkit::Label* lblRows_ = nullptr;
    toolkit::Label* lblIfWins_ = nullptr;  // its heading: "If placed" with several winners

    int intTopRow = 0;
    quorvel::Green green_ = quorvel::Green::None;
    std::string strSavedText;
    std::string strLoadMessage;
    // The sheet as the file last held it, read or written here: an edit in another window
    // since shows as a file that differs from it.
    market_sheet::Sheet base_;
    // Said until a save succeeds.
    std::string strSaveFailure;
    bool pendingRewrite_ = false;  // read in the older form: kept again at start
};
