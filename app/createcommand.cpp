#include "createcommand.h"

#include "entry/fieldbox.h"
#include "entry/form1.h"
#include "generator/resume.h"
#include "preview/form2.h"
#include "preview/form2handover.h"
#include "automation/failure.h"
#include "shell/windowplacement.h"
#include "shell/windowpointer.h"

namespace {

// The preview window, created (hidden, loaded) on first use and joined to the
// data-entry window then.
preview::Form2 &previewWindow(entry::Form1 &form1)
{
    static bool joined = false;
    preview::Form2 &form2 = preview::Form2::instance();
    if (!joined) {
        QObject::connect(&form2, &preview::Form2::dataEntryWanted, &form1, [&form1, &form2] {
            // Back where the preview was, so the user's eye stays in place.
            shell::placeWhere(form1, form2);
            form1.show();
        });
        joined = true;
    }
    return form2;
}

QString fieldText(const entry::Form1 &form1, const QString &name)
{
    const entry::FieldBox *box = form1.field(name);
    if (!box)
        throw automation::Failure(QStringLiteral("The window has no field named \"%1\".").arg(name));
    return box->text();
}

} // namespace

namespace app {

void connectCreateCommand(entry::Form1 &form1)
{
    form1.setResumeGenerator([&form1] {
        preview::Form2HandOver handOver(
            previewWindow(form1), [&form1] { form1.pointer().setBusy(); },
            [&form1] { form1.pointer().setArrow(); }, [&form1] { form1.hide(); }, &form1);
        generator::GenerateResume([&form1](const QString &name) { return fieldText(form1, name); }, handOver);
    });
}

} // namespace app
