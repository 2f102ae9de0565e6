// The fixed layout of the preview window, in twips as it was designed.
#include "form2.h"
#include "picturebox.h"

#include "shell/twips.h"
#include "shell/windowparts.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>

namespace preview {
namespace {

// Picture boxes have a sunken border of two pixels.
constexpr qint32 pictureBorderTwips = 2 * shell::twipsPerPixel;

PictureBox *makePictureBox(QWidget *parent, const char *name, qint32 left, qint32 top, qint32 width, qint32 height)
{
    auto *box = new PictureBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->moveTwips(left, top);
    box->setWidthTwips(width);
    box->setHeightTwips(height);
    return box;
}

} // namespace

void Form2::buildLayout()
{
    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setGeometry(shell::twipsRect(120, 120, 9600, 1575));
    ListView1->setRootIsDecorated(false);
    ListView1->setColumnCount(0);
    ListView1->setHeaderHidden(false);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);

    Picture2 = makePictureBox(this, "Picture2", 120, 1800, 9330, 7305);
    Picture2->setBorderTwips(pictureBorderTwips);
    // A click on the page gives the keyboard to the view, so the arrow keys
    // scroll it; Tab still passes it by.
    Picture2->setFocusPolicy(Qt::ClickFocus);
    QPalette white = Picture2->palette();
    white.setColor(QPalette::Window, Qt::white);
    Picture2->setPalette(white);
    Picture2->interior()->setPalette(white);

    Picture1 = makePictureBox(Picture2->interior(), "Picture1", 0, 0, 0, 0);
    Picture1->setPalette(white);
    // White page on a white viewport: a grey edge shows where the paper ends.
    Picture1->setEdgeColour(QColor(160, 160, 160));

    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setGeometry(shell::twipsRect(9450, 1800, 255, 7305));
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setGeometry(shell::twipsRect(120, 9105, 9330, 255));
    VScroll1->setAccessibleName(QStringLiteral("Scroll the page up and down"));
    HScroll1->setAccessibleName(QStringLiteral("Scroll the page left and right"));
    for (QScrollBar *bar : {VScroll1, HScroll1}) {
        bar->setRange(0, 0);
        bar->setEnabled(false);
        bar->setFocusPolicy(Qt::StrongFocus);
    }

    Frame1 = new QGroupBox(QStringLiteral("Zoom:"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(shell::twipsRect(120, 9420, 9600, 855));
    PushButton1 = shell::makePushButton(Frame1, "PushButton1", QStringLiteral("Zoom In"), shell::twipsRect(240, 300, 4440, 405));
    PushButton2 = shell::makePushButton(Frame1, "PushButton2", QStringLiteral("Zoom Out"), shell::twipsRect(4800, 300, 4560, 405));
    PushButton8 = shell::makePushButton(this, "PushButton8", QStringLiteral("< Back"), shell::twipsRect(120, 10410, 4680, 405));
    PushButton6 = shell::makePushButton(this, "PushButton6", QStringLiteral("Save Results To Word File"),
                             shell::twipsRect(4920, 10410, 4800, 405));

    // The unscaled copy of the page lies outside the client area and is never seen.
    Zoom_Ori = makePictureBox(this, "Zoom_Ori", 10320, 480, 735, 375);
    Zoom_Ori->hide();
}

void Form2::setFocusOrder()
{
    QWidget *order[] = {HScroll1, VScroll1, PushButton1, PushButton2, PushButton6, PushButton8, ListView1};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace preview
