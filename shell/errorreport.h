#pragma once

#include <QString>

namespace shell {

constexpr const char *supportAddress = "support@tarnwick.example";

// The location text of a reporting procedure, such as "Form1.Form_Load":
// "in Quessary2021/08/31.Form1.Form_Load ".
QString locationText(const QString &procedure);

// The exact text of the common error report: the description, CR LF, the
// location, "at line " and the step, two CRs, then the request for a screenshot.
QString errorReportText(const QString &description, const QString &location, int step);

// Shows the common error report as a modal warning box captioned
// "Application Error" and waits for OK.
void showErrorReport(const QString &description, const QString &location, int step);

} // namespace shell
