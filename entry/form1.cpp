#include "form1.h"

#include "clickguard.h"
#include "fieldbox.h"
#include "resumefields.h"
#include "sampledata.h"
#include "undobar.h"

#include "generator/isinstalled.h"
#include "shell/applicationicon.h"
#include "shell/apptitle.h"
#include "shell/errorreport.h"
#include "automation/failure.h"
#include "shell/programend.h"
#include "shell/settingsstore.h"
#include "shell/skin.h"
#include "shell/spellchecker.h"
#include "shell/steps.h"
#include "shell/twips.h"
#include "shell/windowparts.h"
#include "shell/windowpointer.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>

#include <utility>

namespace entry {

Form1::Form1(QWidget *parent)
    : QWidget(parent), m_spelling(std::make_shared<shell::SpellChecker>())
{
    shell::makeFixedWindow(this, "Form1", 8040, 7890);
    buildButtons();
    buildPersonalFrame();
    buildTabs();
    m_undoBar = new UndoBar(this);
    setDesignColours();
    setFocusOrder();
    nameFieldsByTheirLabels();
    buildPageKeys();
    SSTab1->setCurrentIndex(0);

    m_pointer = new shell::WindowPointer(this);
    for (QPushButton *button : {PushButton1, PushButton2, PushButton3})
        m_pointer->watchButton(button);
    m_pointer->watchBackground(this);
    m_pointer->watchBackground(Frame1);
    for (QGroupBox *frame : jobAndSchoolFrames)
        m_pointer->watchBackground(frame);

    for (FieldBox *box : m_fieldsByRow)
        connect(box, &FieldBox::changed, this, [this, box](const QString &text) { storeField(*box, text); });
    connect(PushButton1, &QPushButton::clicked, this, &Form1::PushButton1_Click);
    new ClickGuard(PushButton1, [this] { return ignoresCreateClicks(); });
    connect(PushButton2, &QPushButton::clicked, this, &Form1::PushButton2_Click);
    connect(PushButton3, &QPushButton::clicked, this, &Form1::PushButton3_Click);
    connect(m_undoBar, &UndoBar::undoRequested, this, &Form1::undoReplacement);
    connect(m_undoBar, &UndoBar::closed, this, [this] { keepRecord(std::nullopt); });
}

Form1::~Form1() = default;

void Form1::Form_Load()
{
    const shell::Steps steps(QStringLiteral("Form1.Form_Load"));
    steps.run(100, [this] { shell::LoadSkin(this); });
    steps.run(104, [this] {
        setWindowTitle(QStringLiteral("Parvolin"));
        setWindowIcon(shell::applicationIcon());
        shell::SetAppTitle();
    });
    shell::loadHandCursor(steps, *m_pointer, 106, 108);

    restoreFields(steps);
    offerKeptRecordFromLastRun();
    steps.run(196, [] { generator::CheckWordInstalled(); });
}

void Form1::PushButton1_Click()
{
    const shell::Steps steps(QStringLiteral("Form1.PushButton1_Click"));
    bool busy = false;
    steps.run(100, [&] { busy = mBusy; });
    if (busy)
        return;
    steps.run(102, [this] { mBusy = true; });
    steps.run(104, [this] { m_pointer->setBusy(); });
    steps.run(106, [this] {
        if (!m_generateResume)
            throw automation::Failure(QStringLiteral("Creating the document is not available in this build."));
        m_generateResume();
    });
    steps.run(108, [this] { m_pointer->setArrow(); });
    steps.run(110, [this] {
        discardQueuedClicks();
        mBusy = false;
    });
}

void Form1::PushButton2_Click()
{
    replaceRecord(QStringLiteral("Form1.PushButton2_Click"), [](int) { return QString(); },
                  QStringLiteral("All fields cleared."));
}

void Form1::PushButton3_Click()
{
    replaceRecord(QStringLiteral("Form1.PushButton3_Click"), &sampleValue, QStringLiteral("Sample resume loaded."));
}

FieldBox *Form1::field(const QString &name) const
{
    const auto found = m_fields.find(name);
    return found == m_fields.end() ? nullptr : found->second;
}

void Form1::setResumeGenerator(std::function<void()> generator)
{
    m_generateResume = std::move(generator);
}

void Form1::centreOnScreen()
{
    const QScreen *screen = this->screen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void Form1::buildPageKeys()
{
    const auto onKeys = [this](std::initializer_list<QKeySequence> keys, int offset) {
        for (const QKeySequence &key : keys)
            connect(new QShortcut(key, this), &QShortcut::activated, this, [this, offset] { choosePageBy(offset); });
    };
    onKeys({QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, 1);
    onKeys({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
            QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
           -1);
}

void Form1::choosePageBy(int offset)
{
    const int pages = SSTab1->count();
    QWidget *focus = focusWidget();
    const bool onAPage = focus && SSTab1->currentWidget()->isAncestorOf(focus);
    SSTab1->setCurrentIndex((SSTab1->currentIndex() + offset + pages) % pages);
    // The field the user was in has gone from view; the keyboard follows the
    // page to its first field. Anywhere else the focus stays where it was.
    if (!onAPage)
        return;
    for (int row = personalFieldCount; row < resumeFieldCount; ++row) {
        QWidget *box = m_fieldsByRow[static_cast<std::size_t>(row)]->widget();
        if (SSTab1->currentWidget()->isAncestorOf(box)) {
            box->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void Form1::closeEvent(QCloseEvent *event)
{
    event->accept();
    Form_Unload();
}

void Form1::Form_Unload()
{
    // Every field is already stored, so the program can end at once.
    shell::endProgram(0);
}

void Form1::restoreFields(const shell::Steps &steps)
{
    // A store that cannot be read or written still shows everything it holds;
    // the user hears of each failure once, not once per field.
    const shell::SettingsStore store;
    std::optional<std::pair<int, QString>> firstStoreFailure;
    QStringList readFailuresReported;
    const auto &order = restoreOrder();
    for (std::size_t position = 0; position < order.size(); ++position) {
        FieldBox *box = m_fieldsByRow[static_cast<std::size_t>(order[position])];
        const QString key = QString::fromLatin1(resumeFields()[static_cast<std::size_t>(order[position])].key);
        const int step = restoreStep(static_cast<int>(position));
        steps.run(step, [&] {
            QString stored;
            try {
                stored = store.read(key);
            } catch (const automation::Failure &failure) {
                const QString kind = failureKind(failure.description(), key);
                if (readFailuresReported.contains(kind))
                    return;
                readFailuresReported << kind;
                throw;
            }
            const std::optional<QString> failure = setTextAndStore(*box, stored);
            if (failure && !firstStoreFailure)
                firstStoreFailure.emplace(step, *failure);
        });
    }
    if (firstStoreFailure)
        shell::showErrorReport(firstStoreFailure->second
                                   + QStringLiteral(" Your resume is shown as it was stored, but changes cannot be "
                                                    "kept until the settings file can be written again."),
                               steps.location(), firstStoreFailure->first);
}

void Form1::setFields(const QString &procedure, const std::function<QString(int)> &valueOfRow)
{
    const shell::Steps steps(procedure);
    bool storeFailureReported = false;
    for (int row = 0; row < resumeFieldCount; ++row) {
        FieldBox *box = m_fieldsByRow[static_cast<std::size_t>(row)];
        steps.run(setFieldStep(row), [&] {
            const std::optional<QString> failure = setTextAndStore(*box, valueOfRow(row));
            // The first field that could not be stored speaks for the others.
            if (failure && !std::exchange(storeFailureReported, true))
                throw automation::Failure(*failure);
        });
    }
}

std::optional<QString> Form1::setTextAndStore(FieldBox &box, const QString &text)
{
    m_collectStoreFailures = true;
    m_storeFailure.reset();
    box.setText(text);
    m_collectStoreFailures = false;
    return std::exchange(m_storeFailure, std::nullopt);
}

QString Form1::failureKind(const QString &description, const QString &key)
{
    // The same cause for another key is the same failure.
    return QString(description).replace(QLatin1Char('"') + key + QLatin1Char('"'), QString());
}

void Form1::storeField(const FieldBox &box, const QString &text)
{
    const QString key = QString::fromLatin1(findResumeField(box.name())->key);
    // The user's own edit: the record kept for undo is no longer what the
    // user would get back, so the offer ends.
    if (!m_collectStoreFailures)
        m_undoBar->dismiss();
    std::optional<QString> failure;
    try {
        shell::SettingsStore().write(key, text);
    } catch (const automation::Failure &caught) {
        failure = caught.description();
    }
    if (!failure) {
        m_knownStoreFailure.reset();
        m_undoBar->clearWarning();
        return;
    }
    // Every change still tries to write; the notice says, for as long as it
    // holds, that changes are not kept, and a report comes only when the
    // failure is new.
    const QString kind = failureKind(*failure, key);
    const bool known = m_knownStoreFailure == kind;
    m_knownStoreFailure = kind;
    m_undoBar->warn(QStringLiteral("Changes are not being kept. ") + *failure);
    if (m_collectStoreFailures) {
        if (!m_storeFailure)
            m_storeFailure = failure;
        return;
    }
    if (known)
        return;
    // The change rule has no step of its own; a failure to store is reported
    // with step 0 and the text stays in its box, so the user can try again.
    shell::Steps(QStringLiteral("Form1.%1_Change").arg(box.name())).run(0, [&] {
        throw automation::Failure(*failure);
    });
}

bool Form1::ignoresCreateClicks() const
{
    // A press while a run is under way, or on the window the run has hidden,
    // must not become a click once the run is over.
    return mBusy || !isVisible();
}

void Form1::discardQueuedClicks()
{
    // Presses the user made while the run held the thread are still queued;
    // let them arrive now, while the guard still turns them away.
    QCoreApplication::processEvents();
}

} // namespace entry
