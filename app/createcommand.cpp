#include "createcommand.h"

#include "entry/fieldbox.h"
#include "entry/form1.h"
#include "generator/resume.h"
#include "preview/form2.h"
#include "preview/form2handover.h"
#include "automation/failure.h"
#include "shell/windowplacement.h"
#include "shell/windowpointer.h"

#include <functional>

namespace {

QString fieldText(const entry::Form1 &form1, const QString &name)
{
    const entry::FieldBox *box = form1.field(name);
    if (!box)
        throw automation::Failure(QStringLiteral("The window has no field named \"%1\".").arg(name));
    return box->text();
}

} // namespace

namespace app {

namespace {

void joinToDataEntry(entry::Form1 &form1, preview::Form2 &preview)
{
    QObject::connect(&preview, &preview::Form2::dataEntryWanted, &form1, [&form1, &preview] {
        // Back where the preview was, so the user's eye stays in place.
        shell::placeWhere(form1, preview);
        form1.show();
    });
}

void runGeneratorInto(entry::Form1 &form1, const std::function<preview::Form2 &()> &previewWindow)
{
    form1.setResumeGenerator([&form1, previewWindow] {
        preview::Form2 &form2 = previewWindow();
        form2.setAuthorName(fieldText(form1, QStringLiteral("txtYourName")));
        preview::Form2HandOver handOver(
            form2, [&form1] { form1.pointer().setBusy(); }, [&form1] { form1.pointer().setArrow(); },
            [&form1] { form1.hide(); }, &form1);
        generator::GenerateResume([&form1](const QString &name) { return fieldText(form1, name); }, handOver);
    });
}

} // namespace

preview::Form2 &previewWindow(entry::Form1 &form1, std::unique_ptr<preview::Form2> &form2)
{
    if (!form2) {
        form2 = std::make_unique<preview::Form2>();
        form2->Form_Load();
        joinToDataEntry(form1, *form2);
    }
    return *form2;
}

void connectCreateCommand(entry::Form1 &form1, std::unique_ptr<preview::Form2> &form2)
{
    runGeneratorInto(form1, [&form1, &form2]() -> preview::Form2 & { return previewWindow(form1, form2); });
}

} // namespace app
