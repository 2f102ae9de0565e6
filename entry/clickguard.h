#pragma once

#include <QObject>
#include <functional>

class QAbstractButton;

namespace entry {

// Turns away the presses (mouse or keyboard) that would start a click on a
// button while `ignoring` says so. A button that was never pressed down
// gives no click when the release comes, whenever that is.
class ClickGuard : public QObject {
    Q_OBJECT

public:
    ClickGuard(QAbstractButton *button, std::function<bool()> ignoring);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<bool()> m_ignoring;
};

} // namespace entry
