#include "tabstrip.h"

#include <QProxyStyle>

namespace entry {

QSize EqualTabBar::tabSizeHint(int index) const
{
    QSize size = QTabBar::tabSizeHint(index);
    const int tabs = count();
    if (tabs > 0 && parentWidget())
        size.setWidth(parentWidget()->width() / tabs);
    return size;
}

QSize EqualTabBar::minimumTabSizeHint(int index) const
{
    return tabSizeHint(index);
}

namespace {

// Six captions share one row, so the tabs get a narrow padding.
class NarrowTabStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_TabBarTabHSpace)
            return 4;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

TabStrip::TabStrip(QWidget *parent)
    : QTabWidget(parent)
{
    auto *bar = new EqualTabBar(this);
    bar->setUsesScrollButtons(false);
    bar->setElideMode(Qt::ElideNone);
    auto *style = new NarrowTabStyle;
    style->setParent(bar);
    bar->setStyle(style);
    setTabBar(bar);
}

} // namespace entry
