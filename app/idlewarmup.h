#pragma once

#include <QImage>
#include <QObject>

class QWidget;

namespace app {

// Makes the first create command as quick as the later ones. Once the window
// it watches has been painted for the first time and nothing else waits, it
// gets the chosen engine ready: the built-in one lays out and draws a small
// document, so that the faces are loaded and shaped and the engine's first
// page has been made before the user asks for one; another engine starts
// what it needs in the background. Then it draws controls like the preview's
// off screen. Nothing of it shows, and nothing it does can fail visibly.
class IdleWarmUp : public QObject {
public:
    // Watches `window`; the warm-up belongs to it and ends with it.
    explicit IdleWarmUp(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static void warmUpEngine(double pixelsPerInch);
    // A page picture from the built-in engine, made as the preview makes one.
    static QImage warmUpBuiltInEngine(double pixelsPerInch);
};

} // namespace app
