// The fixed layout of the data-entry window. Every figure is in twips, as the
// window was designed; shell::twipsRect converts them.
#include "fieldbox.h"
#include "form1.h"
#include "undobar.h"
#include "resumefields.h"
#include "tabstrip.h"

#include "shell/skin.h"
#include "shell/twips.h"
#include "shell/windowparts.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>

namespace entry {
namespace {

constexpr int textBoxHeight = 375;
constexpr int labelHeight = 225;
constexpr int labelDrop = 75;      // a label's top lies this far below its box's top
constexpr int labelGap = 0;        // a label may run up to its box, which is drawn over it
constexpr int wideLabelWidth = 1680;
constexpr int wrappedLabelHeight = 450;

// Where one field of a row stands: its record row, its label's left, its box's
// left and width.
struct FieldPlace {
    int row;
    int labelLeft;
    int boxLeft;
    int boxWidth;
};

} // namespace

QLabel *Form1::addLabel(QWidget *parent, int row, int left, int top, int width, int height)
{
    auto *label = new QLabel(QString::fromUtf8(resumeFields()[row].label), parent);
    label->setObjectName(QStringLiteral("Label1_%1").arg(row));
    label->setGeometry(shell::twipsRect(left, top, width, height));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(height > labelHeight);
    return label;
}

FieldBox *Form1::addField(QWidget *parent, int row, int left, int top, int width, int height)
{
    const ResumeField &field = resumeFields()[row];
    auto *box = new FieldBox(QString::fromLatin1(field.name), field.multiLine, parent);
    box->widget()->setGeometry(shell::twipsRect(left, top, width, height));
    box->checkSpelling(m_spelling);
    m_fields[box->name()] = box;
    m_fieldsByRow[static_cast<std::size_t>(row)] = box;
    return box;
}

void Form1::buildButtons()
{
    PushButton1 = shell::makePushButton(this, "PushButton1", QStringLiteral("Start Creating Template"),
                                        shell::twipsRect(120, 120, 7800, 405));
    PushButton2 = shell::makePushButton(this, "PushButton2", QStringLiteral("Clear/Reset Data"),
                                        shell::twipsRect(120, 630, 3840, 405));
    PushButton3 = shell::makePushButton(this, "PushButton3", QStringLiteral("Load Sample/Example Data"),
                                        shell::twipsRect(4080, 630, 3840, 405));
}

void Form1::buildPersonalFrame()
{
    Frame1 = new QGroupBox(QStringLiteral("Personal Data"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(shell::twipsRect(120, 1125, 7800, 2355));

    const struct {
        int top;
        FieldPlace first;
        FieldPlace second;
    } rows[] = {
        {270, {0, 180, 1620, 5910}, {-1, 0, 0, 0}},
        {765, {1, 180, 1620, 5910}, {-1, 0, 0, 0}},
        {1260, {2, 180, 1620, 3075}, {3, 4860, 5805, 1725}},
        {1800, {4, 180, 1620, 2205}, {5, 3960, 4605, 2925}},
    };
    for (const auto &row : rows) {
        for (const FieldPlace &place : {row.first, row.second}) {
            if (place.row < 0)
                continue;
            addLabel(Frame1, place.row, place.labelLeft, row.top + labelDrop,
                     place.boxLeft - place.labelLeft - labelGap, labelHeight);
            addField(Frame1, place.row, place.boxLeft, row.top, place.boxWidth, textBoxHeight);
        }
    }
}

void Form1::buildTabs()
{
    SSTab1 = new TabStrip(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setGeometry(shell::twipsRect(120, 3585, 7800, 4200));

    const char *captions[] = {"Objective", "Experience 1", "Experience 2", "Experience 3", "Education", "References"};
    for (int tab = 0; tab < 6; ++tab) {
        auto *page = new QWidget;
        page->setObjectName(QStringLiteral("Picture1_%1").arg(tab));
        shell::markPictureBox(page);
        Picture1[static_cast<std::size_t>(tab)] = page;
        SSTab1->addTab(page, QString::fromLatin1(captions[tab]));
    }
    buildTextPage(0, 6);
    for (int job = 1; job <= 3; ++job)
        buildJobFrame(Picture1[static_cast<std::size_t>(job)], job);
    buildSchoolFrame(Picture1[4]);
    buildTextPage(5, 33);
}

void Form1::buildTextPage(int tab, int row)
{
    QWidget *page = Picture1[static_cast<std::size_t>(tab)];
    addLabel(page, row, 90, 180, 7155, labelHeight);
    addField(page, row, 210, 585, 7155, 3030);
}

QGroupBox *Form1::addInnerFrame(QWidget *page, const QString &name)
{
    auto *frame = new QGroupBox(page);
    frame->setObjectName(name);
    frame->setGeometry(shell::twipsRect(210, 45, 7320, 3615));
    jobAndSchoolFrames[static_cast<std::size_t>(name.right(1).toInt() - 2)] = frame;
    return frame;
}

void Form1::buildJobFrame(QWidget *page, int job)
{
    QGroupBox *frame = addInnerFrame(page, QStringLiteral("Frame%1").arg(job + 1));
    const int first = 7 + (job - 1) * 7; // row of the job's dates field
    const int labelLeft = 135;
    const int boxLeft = 1935;
    const int plainLabelWidth = boxLeft - labelLeft - labelGap;

    addLabel(frame, first, labelLeft, 270 + labelDrop, plainLabelWidth, labelHeight);
    addField(frame, first, boxLeft, 270, 5235, textBoxHeight);
    addLabel(frame, first + 1, labelLeft, 810 + labelDrop, plainLabelWidth, labelHeight);
    addField(frame, first + 1, boxLeft, 810, 5250, textBoxHeight);
    addLabel(frame, first + 2, labelLeft, 1350 + labelDrop, plainLabelWidth, labelHeight);
    addField(frame, first + 2, boxLeft, 1350, 1995, textBoxHeight);
    addLabel(frame, first + 3, 4005, 1350 + labelDrop, 4860 - 4005 - labelGap, labelHeight);
    addField(frame, first + 3, 4860, 1350, 2280, textBoxHeight);
    const int responsibilityTops[] = {1890, 2475, 3060};
    for (int m = 0; m < 3; ++m) {
        addLabel(frame, first + 4 + m, labelLeft, responsibilityTops[m], wideLabelWidth, wrappedLabelHeight);
        addField(frame, first + 4 + m, boxLeft, responsibilityTops[m], 5250, textBoxHeight);
    }
}

void Form1::buildSchoolFrame(QWidget *page)
{
    QGroupBox *frame = addInnerFrame(page, QStringLiteral("Frame5"));
    const int first = 28; // txtDateOfAttendance
    const int labelLeft = 135;
    const int plainLabelWidth = 1935 - labelLeft - labelGap;
    const struct {
        int top;
        int width;
        int labelWidth;
    } rows[] = {
        {270, 5235, plainLabelWidth}, {810, 5250, plainLabelWidth}, {1350, 5235, plainLabelWidth},
        {1890, 5250, wideLabelWidth}, {2475, 5250, wideLabelWidth},
    };
    for (int i = 0; i < 5; ++i) {
        addLabel(frame, first + i, labelLeft, rows[i].top + labelDrop, rows[i].labelWidth, labelHeight);
        addField(frame, first + i, 1935, rows[i].top, rows[i].width, textBoxHeight);
    }
}

void Form1::setFocusOrder()
{
    // The personal fields, the tab strip, the pages' fields in screen order,
    // then the three buttons and, while it shows, the notice's Undo. Only the
    // shown page's fields are visible, so Tab from the strip goes into that
    // page and on to the buttons; no page's fields hide behind the strip.
    QWidget *previous = nullptr;
    auto chain = [&previous](QWidget *next) {
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (int row = 0; row < personalFieldCount; ++row)
        chain(m_fieldsByRow[static_cast<std::size_t>(row)]->widget());
    chain(SSTab1->tabBar());
    for (int row = personalFieldCount; row < resumeFieldCount; ++row)
        chain(m_fieldsByRow[static_cast<std::size_t>(row)]->widget());
    chain(PushButton1);
    chain(PushButton2);
    chain(PushButton3);
    chain(m_undoBar->undoButton());
    // The chain is a loop back to the first field. The tab control itself
    // would otherwise sit after the last button and hand the focus to its
    // strip, which has its own place above; the tab control passes its policy
    // on to the strip, so the strip gets its own back afterwards. As the
    // strip's stand-in the control would still hand Tab to it at its own
    // place in the chain, so it stands in no more.
    SSTab1->setFocusPolicy(Qt::NoFocus);
    SSTab1->setFocusProxy(nullptr);
    SSTab1->tabBar()->setFocusPolicy(Qt::StrongFocus);
}

void Form1::nameFieldsByTheirLabels()
{
    // A screen reader speaks a field by its label's words; a job's fields
    // share their labels with the other jobs, so their names carry the job.
    for (int row = 0; row < resumeFieldCount; ++row) {
        QWidget *box = m_fieldsByRow[static_cast<std::size_t>(row)]->widget();
        auto *label = findChild<QLabel *>(QStringLiteral("Label1_%1").arg(row));
        QString name = QString::fromUtf8(resumeFields()[static_cast<std::size_t>(row)].label).simplified();
        if (name.endsWith(QLatin1Char(':')))
            name.chop(1);
        const int page = SSTab1->indexOf(box->parentWidget()->parentWidget());
        if (page >= 1 && page <= 3)
            name += QStringLiteral(", ") + SSTab1->tabText(page);
        box->setAccessibleName(name);
        // A multi-line box's scroll bars are spoken as the field's.
        if (auto *lines = qobject_cast<QAbstractScrollArea *>(box)) {
            lines->verticalScrollBar()->setAccessibleName(name);
            lines->horizontalScrollBar()->setAccessibleName(name);
        }
        if (label)
            label->setBuddy(box);
    }
}

void Form1::setDesignColours()
{
    shell::paintBackground(this, Qt::white);
    shell::paintBackground(Frame1, Qt::white);
    for (QGroupBox *frame : jobAndSchoolFrames)
        shell::paintBackground(frame, Qt::white);
    const QPalette system = QApplication::palette();
    for (QWidget *page : Picture1)
        shell::paintBackground(page, system.color(QPalette::Base));
    shell::paintBackground(SSTab1, system.color(QPalette::Button));
}

} // namespace entry
