#pragma once

#include <QObject>

class QWidget;

namespace app {

// Makes the first create command as quick as the later ones. Once the window
// it watches has been painted for the first time and nothing else waits, it
// lays out and draws a small document in the built-in engine, so that the
// faces are loaded and shaped and the engine's first page has been made
// before the user asks for one; then it draws controls like the preview's off
// screen. Nothing of it shows, and nothing it does can fail visibly.
class IdleWarmUp : public QObject {
public:
    // Watches `window`; the warm-up belongs to it and ends with it.
    explicit IdleWarmUp(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static void warmUpEngine(double pixelsPerInch);
};

} // namespace app
