#pragma once

#include <QByteArray>
#include <QString>

namespace shell {

// The escaping of keys and values in the settings file, written the way Qt's
// INI settings format writes them, so a store written by either reads the same
// in both.
namespace initext {

// "Your Name" as "Your%20Name": letters, digits, '_', '-' and '.' stay, '/'
// becomes '\', anything else a percent code.
QByteArray escapedKey(const QString &key);
QString unescapedKey(const QByteArray &key);

// A value as it follows "key=": control characters, quotes and backslashes
// escaped, quoted when it holds ';', ',' or '=' or starts or ends with a space,
// and a leading '@' doubled.
QByteArray escapedValue(const QString &value);

// What a value that the writer could not have produced looks like.
enum class Damage { None, UnclosedQuote, LineContinues, NotUtf8 };

struct ReadValue {
    QString text;
    Damage damage = Damage::None;
};

// The text of the value after "key=" on one line. A list ("a, b") comes back
// joined with ", ", as it was typed.
ReadValue unescapedValue(const QByteArray &value);

// A sentence naming the damage, for the error report.
QString describe(Damage damage);

} // namespace initext
} // namespace shell
