// Times what one keystroke in a field costs: the change rule writing the
// field's whole text to the settings file. Each of the 1000 keystrokes types
// one more character into a field of a loaded window that holds the example
// resume; the same is then timed while another writer keeps the disk busy
// with syncs, which is when a sync on this thread would show. Last, real key
// presses at the end of a 1 MB single-line and multi-line field, and the
// longest turn of the event loop after each, which is how long work done
// while idle (drawing, checking) could hold up the next key; and the turns
// while a 1 MB field of new words is checked.
#include "diskcontention.h"
#include "entry/fieldbox.h"
#include "entry/form1.h"
#include "shell/backgroundsync.h"
#include "timingsupport.h"

#include "app/engines.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

namespace {

std::vector<double> typeIntoField(entry::FieldBox &field, int keystrokes)
{
    QString text = field.text();
    std::vector<double> samples;
    QElapsedTimer timer;
    for (int i = 0; i < keystrokes; ++i) {
        text.append(QLatin1Char('a' + i % 26));
        timer.start();
        field.setText(text);
        samples.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return samples;
}

// About 1 MB of ordinary resume prose, a few words misspelt, in lines of
// `lineBreak` (empty for one long line).
QString megabyteOfProse(const QString &lineBreak)
{
    const QString sentence = QStringLiteral("Managed a team of twelve engineers and recieved an award for the "
                                            "new billing sytem in 2019. ");
    QString text;
    while (text.size() < 1'000'000)
        text += sentence + lineBreak;
    return text;
}

void typeAtEndOfLargeField(entry::FieldBox &field, const QString &lineBreak, const char *what)
{
    field.setText(megabyteOfProse(lineBreak));
    QWidget *box = field.widget();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
    QCoreApplication::processEvents();
    std::vector<double> keys;
    std::vector<double> turns;
    QElapsedTimer timer;
    for (int i = 0; i < 50; ++i) {
        timer.start();
        QTest::keyClick(box, static_cast<char>('a' + i % 26));
        keys.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        timer.start();
        QCoreApplication::processEvents();
        turns.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    printSummary(what, keys);
    printSummary("  next turn of the event loop", turns);
}

// Fills a multi-line field with 1 MB of words all different, so nearly every
// one must go to the dictionary, and times the turns of the event loop until
// the field's spelling is checked: no turn may be long enough to hold up a key.
void fillWithDistinctWords(entry::FieldBox &field)
{
    QString text;
    for (int n = 0; text.size() < 1'000'000; ++n) {
        for (int rest = n + 26 * 26 * 26; rest > 0; rest /= 26)
            text += QLatin1Char('a' + rest % 26);
        text += (n % 10 == 9) ? QStringLiteral("\r\n") : QStringLiteral(" ");
    }
    QElapsedTimer timer;
    timer.start();
    field.setText(text);
    std::vector<double> fill{static_cast<double>(timer.nsecsElapsed()) / 1e6};
    printSummary("1 MB of distinct words set in a field", fill);
    std::vector<double> turns;
    QElapsedTimer total;
    total.start();
    while (field.isCheckingSpelling()) {
        timer.start();
        QCoreApplication::processEvents();
        turns.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    printSummary("  turns of the event loop while checking", turns);
    std::printf("%-40s %.0f ms\n", "  until every word is checked", static_cast<double>(total.nsecsElapsed()) / 1e6);
}

} // namespace

int main(int argc, char **argv)
{
    offscreenUnlessChosen();
    QApplication application(argc, argv);
    app::registerEngines();
    const QTemporaryDir settings = privateSettings();

    entry::Form1 form;
    form.Form_Load();
    form.PushButton3_Click();
    entry::FieldBox *field = form.field(QStringLiteral("txtExp1JobRes2"));

    shell::BackgroundSync &sync = shell::BackgroundSync::instance();
    long syncsBefore = sync.syncsDone();
    printSummary("one keystroke stored (sample resume)", typeIntoField(*field, 1000));
    sync.waitUntilIdle();
    std::printf("%-40s %ld\n", "  background syncs for 1000 keystrokes", sync.syncsDone() - syncsBefore);
    {
        const DiskContention contention;
        syncsBefore = sync.syncsDone();
        printSummary("... while the disk is busy with syncs", typeIntoField(*field, 1000));
        sync.waitUntilIdle();
        std::printf("%-40s %ld (other writer: %ld syncs)\n", "  background syncs for 1000 keystrokes",
                    sync.syncsDone() - syncsBefore, contention.syncs());
    }
    form.show();
    QApplication::setActiveWindow(&form);
    (void)QTest::qWaitForWindowExposed(&form);
    typeAtEndOfLargeField(*form.field(QStringLiteral("txtYourName")), QString(),
                          "one key pressed (1 MB single-line field)");
    typeAtEndOfLargeField(*form.field(QStringLiteral("txtObjective")), QStringLiteral("\r\n"),
                          "one key pressed (1 MB multi-line field)");
    fillWithDistinctWords(*form.field(QStringLiteral("txtReferences")));
    return 0;
}
