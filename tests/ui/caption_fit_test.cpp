// Every caption, tab caption and a nine-character value show whole, at the default font and at
// a larger one; the user's font is never changed to get there.
#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

#include "core/mode_layout.h"
#include "tests/ui/window_driver.h"
#include "ui/toolkit/qt/qt_access.h"
#include "ui/toolkit/text.h"

namespace {

class CaptionFit : public WindowTest, public testing::WithParamInterface<double> {
  protected:
    void SetUp() override {
        original = QApplication::font();
        QFont font = original;
        font.setPointSizeF(original.pointSizeF() * GetParam());
        QApplication::setFont(font);
        WindowTest::SetUp();
    }
    void TearDown() override {
        form.reset();
        QApplication::setFont(original);
    }

    void expectLabelFits(int index, const std::string& caption) {
        QWidget* label = toolkit::widgetOf(form->lblFields(index));
        const QFontMetrics metrics(label->font());
        EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(toolkit::plainText(caption))),
                  label->width())
            << caption;
        EXPECT_LE(metrics.height(), label->height()) << caption;
    }

    QFont original;
};

TEST_P(CaptionFit, EveryCaptionShowsWhole) {
    EXPECT_EQ(toolkit::windowOf(*form)->font().pointSizeF(), QApplication::font().pointSizeF());
    for (auto mode : {quorvel::kBetBack, quorvel::kLayBack, quorvel::kTotalFunds})
        for (int i = 0; i < 7; ++i)
            expectLabelFits(i, std::string(quorvel::modeLayout(mode)[std::size_t(i)].caption));
    for (int i = frmMain::kBackRateLabel; i < frmMain::kLabelCount; ++i)
        expectLabelFits(i, form->lblFields(i).caption());

    QWidget* box = toolkit::widgetOf(form->chkSingleMarket());
    const int indicator = box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box);
    EXPECT_LE(indicator + box->fontMetrics().horizontalAdvance("Single Betting Market"),
              box->width());
    EXPECT_LE(box->fontMetrics().height(), box->height());

    QTabBar* bar = toolkit::tabBarOf(form->tabMain());
    for (int i = 0; i < bar->count(); ++i)
        EXPECT_LE(bar->fontMetrics().horizontalAdvance(
                      QString::fromStdString(toolkit::plainText(bar->tabText(i).toStdString()))),
                  bar->tabRect(i).width())
            << i;
    EXPECT_LE(bar->tabRect(2).right(), toolkit::widgetOf(form->tabMain())->width());
    // The tabs stand above the frame.
    EXPECT_LE(bar->mapTo(toolkit::windowOf(*form), bar->tabRect(0).bottomLeft()).y(),
              toolkit::widgetOf(form->fraFields())->y());
}

TEST_P(CaptionFit, ANineCharacterValueShowsWholeInEveryCalculatorField) {
    for (int i = 0; i < 7; ++i) {
        toolkit::TextBox& field = form->txtFields(i);
        field.setFontBold(true);
        QWidget* edit = toolkit::widgetOf(field);
        const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
        const QFontMetrics metrics(edit->font());
        EXPECT_LE(metrics.horizontalAdvance("99,999.99") + 2 * frame + 4, edit->width()) << i;
        EXPECT_LE(metrics.height() + 2 * frame, edit->height()) << i;
    }
}

struct Extreme {
    int tab;
    bool single;
    const char* inputs[3];  // the mode's three inputs, in the order of their fields
};

// Inputs that give the widest results the accepted ranges allow, in every mode and model.
TEST_P(CaptionFit, EveryDigitOfEveryResultShows) {
    const Extreme extremes[] = {
        {1, true, {"850", "9500", "1.35"}},     {1, true, {"20", "10000", "1.5"}},
        {1, false, {"1000", "10000", "1.005"}}, {1, true, {"1000", "10000", "1.005"}},
        {2, false, {"1000", "10000", "1.005"}}, {2, true, {"1.005", "10000", "1000"}},
        {3, false, {"1000", "1.005", "10000"}}, {3, true, {"1.005", "1000", "10000"}}};
    const double given = toolkit::windowOf(*form)->font().pointSizeF();
    for (const Extreme& e : extremes) {
        clickTab(e.tab);
        if ((form->chkSingleMarket().value() == 1) != e.single) clickCheckBox();
        const int inputs[2][3] = {{0, 1, 2}, {0, 2, 5}};
        for (int i = 0; i < 3; ++i) setField(inputs[e.tab == 3][i], e.inputs[i]);
        for (int i = 0; i < kFieldCount; ++i) {
            auto* edit = static_cast<QLineEdit*>(toolkit::widgetOf(form->txtFields(i)));
            if (!edit->isVisible()) continue;
            EXPECT_TRUE(showsWhole(edit)) << e.inputs[0] << " field " << i << ": " << text(i);
            // A screen reader reads the whole value, whatever size it is drawn in.
            EXPECT_EQ(QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Value),
                      text(i));
            // What fits keeps the window's font; what is drawn smaller stays legible.
            if (text(i).size() <= 9) {
                EXPECT_EQ(edit->font().pointSizeF(), given) << text(i);
            }
            EXPECT_GE(edit->font().pointSizeF(), 0.6 * given) << text(i);
        }
    }
    // The widest text those ranges allow, with room to spare.
    auto* net = static_cast<QLineEdit*>(toolkit::widgetOf(form->txtFields(6)));
    form->txtFields(6).setText("-99,999,999.99");
    EXPECT_TRUE(showsWhole(net));
    EXPECT_GE(net->font().pointSizeF(), 0.6 * given);
}

TEST_P(CaptionFit, KeepsTheProportionsOfTheLayout) {
    // One factor for the whole window: the outer size stays 6675 by 1845 twips.
    const QSize outer = toolkit::windowOf(*form)->frameGeometry().size();
    EXPECT_NEAR(outer.width() / double(outer.height()), 6675.0 / 1845.0, 0.02);
    EXPECT_GE(form->scale().factor(), 1.0);
}

INSTANTIATE_TEST_SUITE_P(Fonts, CaptionFit, testing::Values(1.0, 1.5),
                         [](const testing::TestParamInfo<double>& param) {
                             return param.param == 1.0 ? std::string("DefaultFont")
                                                       : std::string("LargerFont");
                         });

}  // namespace
