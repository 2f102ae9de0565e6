// Times what one keystroke in a field costs: the change rule writing the
// field's whole text to the settings file. Each of the 1000 keystrokes types
// one more character into a field of a loaded window that holds the example
// resume; the same is then timed while another writer keeps the disk busy
// with syncs, which is when a sync on this thread would show.
#include "diskcontention.h"
#include "entry/fieldbox.h"
#include "entry/form1.h"
#include "shell/backgroundsync.h"
#include "timingsupport.h"

#include "app/engines.h"

#include <QApplication>
#include <QElapsedTimer>

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
    return 0;
}
