// Spelling is checked in every field with a real Hunspell dictionary: marks
// drawn under the wrong words only, corrections from the context menu that
// are stored and undone like typing, and a word list that outlives the run.
#include "form1fixture.h"

#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>
#include <functional>

namespace {

struct Field {
    const char *name;
    const char *key;
};

// The left and right edge of the red drawn in `box`, or nothing.
std::optional<std::pair<int, int>> redExtent(QWidget *box)
{
    const QImage image = box->grab().toImage();
    std::optional<std::pair<int, int>> extent;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 180 && c.red() - c.green() > 90 && c.red() - c.blue() > 90)
                extent = extent ? std::pair(std::min(extent->first, x), std::max(extent->second, x)) : std::pair(x, x);
        }
    }
    return extent;
}

} // namespace

class Form1Spelling : public Form1Test, public ::testing::WithParamInterface<Field> {
protected:
    void SetUp() override
    {
        Form1Test::SetUp();
        qputenv("LC_ALL", "en_US.UTF-8");
        qputenv("XDG_DATA_HOME", QFile::encodeName(testsupport::freshFolder(QStringLiteral("data"))));
        qunsetenv("PARVOLIN_DICTIONARY_FOLDER");
    }

    void TearDown() override
    {
        qunsetenv("LC_ALL");
        qunsetenv("PARVOLIN_DICTIONARY_FOLDER");
        Form1Test::TearDown();
    }

    entry::FieldBox &typeInto(entry::Form1 &form, const char *name, const QString &text)
    {
        entry::FieldBox &box = *form.field(QString::fromLatin1(name));
        box.widget()->setFocus();
        QTest::keyClicks(box.widget(), text);
        return box;
    }

    // The red drawn in the box once every word in view is checked.
    std::optional<std::pair<int, int>> settledMarks(entry::FieldBox &box)
    {
        box.widget()->grab();
        EXPECT_TRUE(QTest::qWaitFor([&box] { return !box.isCheckingSpelling(); }, 10000));
        return redExtent(box.widget());
    }

    // Opens the box's context menu with the pointer at `at` (box coordinates)
    // and lets `choose` act on it; returns the menu's entries.
    QStringList useContextMenu(entry::FieldBox &box, QPoint at, const std::function<void(QMenu &)> &choose)
    {
        QWidget *target = box.widget();
        if (auto *lines = qobject_cast<QPlainTextEdit *>(target)) {
            at = lines->viewport()->mapFrom(lines, at);
            target = lines->viewport();
        }
        QStringList entries;
        QTimer::singleShot(0, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (const QAction *action : menu->actions())
                entries.append(action->text());
            choose(*menu);
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
        QApplication::sendEvent(target, &event);
        return entries;
    }
};

TEST_P(Form1Spelling, MarksTheMisspeltWordAndNotTheCorrectOne)
{
    auto form = shownAndActive();
    entry::FieldBox &box = typeInto(*form, GetParam().name, QStringLiteral("Jonh received"));

    const auto marks = settledMarks(box);
    ASSERT_TRUE(marks);
    // The wave runs under "Jonh" alone; under "received" too it would be far wider.
    const qreal wordWidth = QFontMetricsF(box.widget()->font()).horizontalAdvance(QStringLiteral("Jonh"));
    EXPECT_NEAR(marks->second - marks->first + 1, wordWidth, 3.0);
}

TEST_P(Form1Spelling, FirstMenuEntryCorrectsTheWordAsAStoredUndoableEdit)
{
    auto form = shownAndActive();
    entry::FieldBox &box = typeInto(*form, GetParam().name, QStringLiteral("recieved"));
    const auto marks = settledMarks(box);
    ASSERT_TRUE(marks);

    const QStringList entries
        = useContextMenu(box, QPoint(marks->first + 4, box.widget()->height() / 2), [](QMenu &menu) {
              QTest::keyClick(&menu, Qt::Key_Down);
              QTest::keyClick(&menu, Qt::Key_Return);
          });

    ASSERT_FALSE(entries.isEmpty());
    EXPECT_EQ(entries.first(), QStringLiteral("received"));
    EXPECT_LE(entries.indexOf(QStringLiteral("Add to Dictionary")), 5);
    EXPECT_EQ(box.text(), QStringLiteral("received"));
    EXPECT_EQ(stored(GetParam().key), QStringLiteral("received"));

    QTest::keyClick(box.widget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box.text(), QStringLiteral("recieved"));
    EXPECT_EQ(stored(GetParam().key), QStringLiteral("recieved"));
}

TEST_P(Form1Spelling, AddedWordStaysUnmarkedAfterRestart)
{
    auto form = shownAndActive();
    entry::FieldBox &box = typeInto(*form, GetParam().name, QStringLiteral("Smtih"));
    const auto marks = settledMarks(box);
    ASSERT_TRUE(marks);

    useContextMenu(box, QPoint(marks->first + 4, box.widget()->height() / 2), [](QMenu &menu) {
        for (QAction *action : menu.actions())
            if (action->text() == QStringLiteral("Add to Dictionary"))
                action->trigger();
        menu.close();
    });
    EXPECT_FALSE(settledMarks(box));

    form.reset();
    form = shownAndActive();
    entry::FieldBox &restored = *form->field(QString::fromLatin1(GetParam().name));
    ASSERT_EQ(restored.text(), QStringLiteral("Smtih"));
    EXPECT_FALSE(settledMarks(restored));
    EXPECT_TRUE(m_dialogs.messages().empty());
}

TEST_P(Form1Spelling, WithoutADictionaryNothingIsMarkedOrReported)
{
    qputenv("PARVOLIN_DICTIONARY_FOLDER", QFile::encodeName(testsupport::freshFolder(QStringLiteral("nodict"))));
    auto form = shownAndActive();
    entry::FieldBox &box = typeInto(*form, GetParam().name, QStringLiteral("Jonh Smtih recieved"));

    EXPECT_FALSE(settledMarks(box));
    EXPECT_TRUE(m_dialogs.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(BothKindsOfField, Form1Spelling,
                         ::testing::Values(Field{"txtYourName", "Your Name"}, Field{"txtObjective", "Objective"}),
                         [](const auto &info) { return std::string(info.param.name); });
