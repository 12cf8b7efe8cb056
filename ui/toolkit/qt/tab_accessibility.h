#pragma once

class QAccessibleInterface;
class QObject;
class QString;
class QTabBar;

namespace toolkit {

// Makes screen readers hear a tab strip's tabs as page tabs of which exactly the chosen one is
// selected, and focused only while the strip has the focus. Qt's own tab bar interface marks
// no tab selected and calls the chosen one focused wherever the focus is.
void describeTabsForScreenReaders(QTabBar* bar);

}  // namespace toolkit
