#include "idlewarmup.h"

#include "automation/word/application.h"
#include "automation/word/constants.h"
#include "automation/word/document.h"
#include "automation/word/engine.h"
#include "automation/word/font.h"
#include "automation/word/selection.h"
#include "engines/builtin/builtinengine.h"
#include "generator/engineregistry.h"
#include "preview/pagepicture.h"

#include <QEvent>
#include <QGroupBox>
#include <QImage>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QWidget>

namespace app {

namespace {

// Types a line in each face and weight the resume uses, and its bullet.
void typeEveryFace(word::Selection &selection)
{
    struct Face {
        const char *name;
        double points;
        bool bold;
    };
    const Face faces[] = {{"Tahoma", 12, true},          {"Tahoma", 11, false},   {"Times New Roman", 11, false},
                          {"Times New Roman", 11, true}, {"Calibri", 11, false}, {"Arial", 10, false}};
    const auto font = selection.font();
    for (const Face &face : faces) {
        font->setName(QString::fromLatin1(face.name));
        font->setSize(face.points);
        font->setBold(face.bold);
        selection.typeText(QStringLiteral("Senior developer, 2019-2024: led the team, shipped releases.\r\n"));
    }
    font->setName(QStringLiteral("Wingdings"));
    selection.typeText(QString(QChar(0xF0A7)));
}

// Draws, off screen, controls of the kinds the preview window is made of,
// and shrinks a page picture as its zoom does: the style, the window font's
// glyphs and the threads that scale pictures are then ready for it.
void drawPreviewControls(const QImage &page)
{
    QWidget holder;
    holder.resize(660, 700);
    auto *list = new QTreeWidget(&holder);
    list->setGeometry(8, 8, 640, 105);
    list->setHeaderLabels({QStringLiteral("Page(s)")});
    new QTreeWidgetItem(list, {QStringLiteral("Page 1")});
    (new QScrollBar(Qt::Vertical, &holder))->setGeometry(630, 120, 17, 487);
    (new QScrollBar(Qt::Horizontal, &holder))->setGeometry(8, 607, 622, 17);
    auto *zoom = new QGroupBox(QStringLiteral("Zoom:"), &holder);
    zoom->setGeometry(8, 628, 640, 57);
    (new QPushButton(QStringLiteral("Zoom In"), zoom))->setGeometry(16, 20, 296, 27);
    QImage canvas(holder.size(), QImage::Format_RGB32);
    holder.render(&canvas);
    // The picture itself is of no use; making it warms the smooth scaler.
    if (!page.isNull()) {
        [[maybe_unused]] const QImage shrunk =
            page.scaled(page.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
}

} // namespace

IdleWarmUp::IdleWarmUp(QWidget &window)
    : QObject(&window)
{
    window.installEventFilter(this);
}

bool IdleWarmUp::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        const double pixelsPerInch = preview::pagePictureResolution(static_cast<QWidget *>(watched)->devicePixelRatioF());
        // A zero timer fires once the paint, and whatever else waits, is done.
        QTimer::singleShot(0, this, [pixelsPerInch] { warmUpEngine(pixelsPerInch); });
    }
    return false;
}

void IdleWarmUp::warmUpEngine(double pixelsPerInch)
{
    std::shared_ptr<word::Engine> chosen;
    try {
        chosen = generator::EngineRegistry::selected();
    } catch (...) {
        // No engine by that name: the create command reports it.
    }
    // An engine that runs elsewhere (an office process) starts in the
    // background now; the built-in one is warmed by using it.
    if (chosen)
        chosen->prepare();
    drawPreviewControls(chosen == engine::builtInEngine() ? warmUpBuiltInEngine(pixelsPerInch) : QImage());
}

QImage IdleWarmUp::warmUpBuiltInEngine(double pixelsPerInch)
{
    QImage page;
    try {
        const auto application = engine::builtInEngine()->create();
        try {
            const auto document = application->documents()->add();
            typeEveryFace(*document->activeWindowSelection());
            // Through a saved file, as the preview is made.
            const QTemporaryDir folder;
            const QString path = folder.filePath(QStringLiteral("warmup.doc"));
            document->saveAs(path);
            const auto opened = application->documents()->open(path);
            page = opened->pagePicture(1, pixelsPerInch);
            opened->close(word::wdDoNotSaveChanges);
            document->close(word::wdDoNotSaveChanges);
        } catch (...) {
        }
        // An instance left running would count as a word processor already open.
        application->quit();
    } catch (...) {
        // A warm-up that fails only leaves the first create as slow as it was.
    }
    return page;
}

} // namespace app
