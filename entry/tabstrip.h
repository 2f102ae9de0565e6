#pragma once

#include <QTabBar>
#include <QTabWidget>

namespace entry {

// A tab row whose tabs share its width equally, so that all six captions show
// in one row however wide the text of each is.
class EqualTabBar : public QTabBar {
    Q_OBJECT

public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
};

// A tabbed dialog with one row of equally wide tabs.
class TabStrip : public QTabWidget {
    Q_OBJECT

public:
    explicit TabStrip(QWidget *parent = nullptr);
};

} // namespace entry
