#pragma once

#include "dialogs.h"

namespace shell {

// Message boxes and the save dialog shown with Qt's own widgets.
class QtDialogs : public Dialogs {
public:
    MessageAnswer message(const MessageRequest &request) override;
    QString saveFileName(const QString &title, const QString &filter, const QString &folder) override;
    bool setUpPrinter(QPrinter &printer) override;

    // The box's text with CR LF and lone CR shown as line breaks.
    static QString displayText(const QString &text);
    // "Label|pattern|Label|pattern" as Qt's ";;"-separated name filters.
    static QString qtFilter(const QString &filter);
};

} // namespace shell
