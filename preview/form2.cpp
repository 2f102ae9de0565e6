#include "form2.h"

#include "pagepicture.h"
#include "picturebox.h"
#include "viewmath.h"

#include "shell/applicationicon.h"
#include "shell/fileservices.h"
#include "shell/programend.h"
#include "shell/skin.h"
#include "shell/steps.h"
#include "shell/twips.h"
#include "shell/windowparts.h"
#include "shell/windowpointer.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QWheelEvent>
#include <algorithm>

namespace preview {

Form2::Form2(QWidget *parent)
    : QWidget(parent)
{
    shell::makeFixedWindow(this, "Form2", 9840, 10950);
    buildLayout();
    setFocusOrder();
    m_pointer = new shell::WindowPointer(this);
    for (QPushButton *button : {PushButton1, PushButton2, PushButton6, PushButton8})
        m_pointer->watchButton(button);
    for (QWidget *background : {static_cast<QWidget *>(this), static_cast<QWidget *>(ListView1),
                                static_cast<QWidget *>(ListView1->viewport()), static_cast<QWidget *>(Frame1)})
        m_pointer->watchBackground(background);
    connectHandlers();
    buildShortcuts();
    buildPageMenu();
}

Form2::~Form2() = default;

void Form2::connectHandlers()
{
    connect(PushButton1, &QPushButton::clicked, this, &Form2::PushButton1_Click);
    connect(PushButton2, &QPushButton::clicked, this, &Form2::PushButton2_Click);
    connect(PushButton6, &QPushButton::clicked, this, &Form2::PushButton6_Click);
    connect(PushButton8, &QPushButton::clicked, this, &Form2::PushButton8_Click);
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form2::HScroll1_Change);
    connect(VScroll1, &QScrollBar::valueChanged, this, &Form2::VScroll1_Change);
    connect(ListView1, &QTreeWidget::itemClicked, this, &Form2::ListView1_Click);
    ListView1->installEventFilter(this);
    // The wheel over the page turns it whether or not the event would reach
    // the window on its own.
    for (QWidget *view : {static_cast<QWidget *>(Picture2), Picture2->interior(), static_cast<QWidget *>(Picture1)})
        view->installEventFilter(this);
    connect(Picture1, &PictureBox::mousePressed, this, &Form2::picture1_MouseDown);
    connect(Picture1, &PictureBox::mouseMoved, this, &Form2::picture1_MouseMove);
    connect(Picture1, &PictureBox::mouseReleased, this, &Form2::Picture1_MouseUp);
}

void Form2::Form_Load()
{
    const shell::Steps steps(QStringLiteral("Form2.Form_Load"));
    steps.run(100, [this] { mFirstActivate = true; });
    steps.run(102, [this] { shell::ApplyFaceColor(this); });
    steps.run(104, [this] {
        setWindowTitle(QStringLiteral("Parvolin"));
        setWindowIcon(shell::applicationIcon());
    });
    shell::loadHandCursor(steps, *m_pointer, 108, 110);
    steps.run(112, [this] { ListView1->setHeaderLabels({QStringLiteral("Page(s)")}); });
    steps.run(114, [this] {
        // The column keeps its width; by default the list would stretch it
        // to its own.
        ListView1->header()->setStretchLastSection(false);
        ListView1->header()->resizeSection(0, shell::twipsToPixels(7500));
    });
}

void Form2::Form_Activate()
{
    const shell::Steps steps(QStringLiteral("Form2.Form_Activate"));
    bool first = false;
    steps.run(100, [&] { first = mFirstActivate; });
    if (first) {
        // Picture1 shows the page at its own size; the inverting pen of the
        // original design is never used for drawing, so it has nothing to set.
        steps.run(106, [this] { Picture1->setAutoSize(true); });
        steps.run(110, [this] {
            QPalette white = Picture1->palette();
            white.setColor(QPalette::Window, Qt::white);
            Picture1->setPalette(white);
        });
        steps.run(116, [this] { Zoom_Ori->hide(); });
        steps.run(118, [this] { Zoom_Ori->setWidthTwips(Picture1->widthTwips()); });
        steps.run(120, [this] { Zoom_Ori->setHeightTwips(Picture1->heightTwips()); });
        steps.run(122, [this] { Zoom_Ori->setPicture(Picture1->picture()); });
        steps.run(124, [this] { mZoom = 1.0f; });
        steps.run(126, [this] { mOrigW = originalWidthTwips(); });
        steps.run(128, [this] { mOrigH = originalHeightTwips(); });
        steps.run(130, [this] { mNewW = mOrigW; });
        steps.run(132, [this] { mNewH = mOrigH; });
        steps.run(134, [this] { RedrawImage(); });
        steps.run(136, [this] { SetupScrollbars(); });
    }
    steps.run(138, [this] { mFirstActivate = false; });
}

void Form2::ListView1_Click()
{
    // Choosing a page has no report of its own in the design; a failure is
    // reported in the common form with step 0 and the window carries on.
    shell::Steps(QStringLiteral("Form2.ListView1_Click")).run(0, [this] { showChosenPage(); });
}

void Form2::ListView1_KeyUp()
{
    shell::Steps(QStringLiteral("Form2.ListView1_KeyUp")).run(0, [this] { showChosenPage(); });
}

void Form2::showChosenPage()
{
    m_pointer->setBusy();
    QTreeWidgetItem *item = ListView1->currentItem();
    const int k = item ? ListView1->indexOfTopLevelItem(item) + 1 : 0;
    // Without a chosen page, or a picture for it, the view stays as it is.
    if (k >= 1 && k <= imageCount() && !Image1[static_cast<std::size_t>(k - 1)].isNull()) {
        const QImage &picture = Image1[static_cast<std::size_t>(k - 1)];
        showPage(k - 1, zoomOneResolution(picture));
        Picture1->setAutoSize(true);
        Picture1->setPicture(picture);
        Zoom_Ori->hide();
        Zoom_Ori->setWidthTwips(Picture1->widthTwips());
        Zoom_Ori->setHeightTwips(Picture1->heightTwips());
        Zoom_Ori->setPicture(picture);
        setUpView();
        nameShownPage();
    }
    m_pointer->setArrow();
}

void Form2::setUpView()
{
    setUp(originalWidthTwips(), originalHeightTwips());
    RedrawImage();
    SetupScrollbars();
}

qint32 Form2::originalWidthTwips() const
{
    return roundHalfEven(Zoom_Ori->interiorWidthTwips() - 2.0);
}

qint32 Form2::originalHeightTwips() const
{
    return roundHalfEven(Zoom_Ori->interiorHeightTwips() - 2.0);
}

void Form2::addPageItem(int page)
{
    new QTreeWidgetItem(ListView1, {QStringLiteral("Page %1").arg(page)});
}

void Form2::loadImage(int index, const QImage &picture)
{
    if (index < 0)
        return;
    if (static_cast<std::size_t>(index) >= Image1.size())
        Image1.resize(static_cast<std::size_t>(index) + 1);
    Image1[static_cast<std::size_t>(index)] = picture;
}

void Form2::removeImage(int index)
{
    if (index < 1 || index >= imageCount())
        return;
    // Like an element of a control array, a removed picture leaves a gap; the
    // array only shrinks from its end.
    Image1[static_cast<std::size_t>(index)] = QImage();
    while (Image1.size() > 1 && Image1.back().isNull())
        Image1.pop_back();
}

void Form2::setWordFile(const QString &path)
{
    if (path != mWordFile)
        m_keptDocument.release();
    mWordFile = path;
    forgetSharpPictures();
}

void Form2::setLastImageIndex(qint32 index)
{
    mTotalImages = index;
}

int Form2::listedPages() const
{
    return ListView1->topLevelItemCount();
}

void Form2::showFirstPage()
{
    Picture1->setPicture(Image1.front());
    showPage(0, zoomOneResolution(Image1.front()));
    nameShownPage();
}

void Form2::nameShownPage()
{
    Picture1->setAccessibleName(QStringLiteral("Page %1 of %2").arg(shownPage() + 1).arg(std::max(1, listedPages())));
}

bool Form2::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    // A window that is shown is normally activated too; where no window manager
    // activates it, showing it must still set up the view once.
    if (event->type() == QEvent::WindowActivate || (event->type() == QEvent::Show && mFirstActivate))
        Form_Activate();
    return handled;
}

bool Form2::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ListView1 && isPageChoiceKeyRelease(event))
        ListView1_KeyUp();
    if (event->type() == QEvent::Wheel && watched != ListView1) {
        wheelEvent(static_cast<QWheelEvent *>(event));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form2::closeEvent(QCloseEvent *event)
{
    event->accept();
    Form_QueryUnload();
}

void Form2::Form_QueryUnload()
{
    const shell::Steps steps(QStringLiteral("Form2.Form_QueryUnload"));
    m_keptDocument.release();
    steps.run(100, [this] { shell::DeleteFileQuietly(mWordFile); });
    steps.run(102, [] { QCoreApplication::processEvents(); });
    steps.run(104, [] { QCoreApplication::processEvents(); });
    shell::endProgram(0);
}

} // namespace preview
