// Times what one keystroke in a field costs: the change rule writing the
// field's whole text to the settings file and syncing it. Each of the 1000
// keystrokes types one more character into a field of a loaded window that
// holds the example resume.
#include "entry/fieldbox.h"
#include "entry/form1.h"
#include "timingsupport.h"

#include "app/engines.h"

#include <QApplication>
#include <QElapsedTimer>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    app::registerEngines();
    const QTemporaryDir settings = privateSettings();

    entry::Form1 form;
    form.Form_Load();
    form.PushButton3_Click();
    entry::FieldBox *field = form.field(QStringLiteral("txtExp1JobRes2"));
    QString text = field->text();

    std::vector<double> samples;
    QElapsedTimer timer;
    for (int i = 0; i < 1000; ++i) {
        text.append(QLatin1Char('a' + i % 26));
        timer.start();
        field->setText(text);
        samples.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    printSummary("one keystroke stored (sample resume)", samples);
    return 0;
}
