// Leaving the preview: saving a copy of the document where the user chooses,
// and going back to the data entry.
#include "form2.h"

#include "shell/apptitle.h"
#include "shell/dialogs.h"
#include "shell/fileservices.h"
#include "shell/safewrite.h"
#include "shell/steps.h"

#include <QTreeWidget>

namespace preview {

void Form2::PushButton6_Click()
{
    const shell::Steps steps(QStringLiteral("Form2.PushButton6_Click"));
    QString title;
    QString filter;
    QString target;
    shell::MessageAnswer answer{};
    steps.run(108, [&] { title = QStringLiteral("Save File"); });
    steps.run(110, [&] { filter = QStringLiteral("Word Files (*.doc)|*.doc"); });
    steps.run(112, [&] { target = shell::dialogs().saveFileName(title, filter); });
    bool chosen = false;
    steps.run(116, [&] { chosen = !target.isEmpty(); });
    if (chosen) {
        bool exists = false;
        steps.run(118, [&] { exists = shell::FileExists(target); });
        if (exists) {
            steps.run(120, [&] {
                answer = shell::dialogs().message({shell::appTitle(),
                                                   QStringLiteral("Are you sure you wish to overwrite ") + target
                                                       + QStringLiteral(" ?"),
                                                   shell::MessageIcon::None, shell::MessageButtons::YesNo});
            });
            // A Yes does not delete the old file: the copy below replaces it
            // only once the new one is complete, so a failed copy loses nothing.
        } else {
            steps.run(126, [&] { answer = shell::MessageAnswer::Yes; });
        }
    }
    if (answer == shell::MessageAnswer::Yes)
        steps.run(130, [&] { shell::copyFileSafely(mWordFile, target); });
    steps.run(132, [] {
        shell::dialogs().message({shell::appTitle(), QStringLiteral("Done."), shell::MessageIcon::None,
                                  shell::MessageButtons::Ok});
    });
}

void Form2::PushButton8_Click()
{
    const shell::Steps steps(QStringLiteral("Form2.PushButton8_Click"));
    steps.run(102, [this] { shell::DeleteFileQuietly(mWordFile); });
    for (qint32 i = 1; i <= mTotalImages; ++i)
        steps.run(106, [&] { removeImage(i); });
    steps.run(110, [this] {
        ListView1->clear();
        mFirstActivate = true;
        Q_EMIT dataEntryWanted();
    });
    steps.run(112, [this] { hide(); });
}

} // namespace preview
