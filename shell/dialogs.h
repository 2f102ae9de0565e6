#pragma once

#include <QString>

class QPrinter;

namespace shell {

enum class MessageIcon { None, Warning, Information, Question, Critical };
enum class MessageButtons { Ok, YesNo };
// The numbers a message box answers with on the original platform.
enum class MessageAnswer { Ok = 1, Yes = 6, No = 7 };

// One message box as the program asks for it. Line breaks in `text` are CR LF
// or lone CRs, as the program builds them; the box shows each as a line break.
struct MessageRequest {
    QString caption;
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

// Every message box and the save dialog go through this service, so tests can
// read what the user would be asked and answer it.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual MessageAnswer message(const MessageRequest &request) = 0;
    // The file name typed or chosen, or empty when cancelled. `filter` is in the
    // "Label|pattern" form ("Word Files (*.doc)|*.doc"); the dialog opens in
    // `folder` with an empty name field.
    virtual QString saveFileName(const QString &title, const QString &filter, const QString &folder) = 0;
    // The platform's print dialog: sets up `printer` and says whether to print.
    virtual bool setUpPrinter(QPrinter &printer) = 0;
};

// The service in use: Qt's dialogs unless a test installed its own.
Dialogs &dialogs();

// Installs a service (not owned); null restores Qt's dialogs.
void installDialogs(Dialogs *service);

} // namespace shell
