#pragma once

#include "automation/failure.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <QStringList>

namespace app {

// Reads the values of a JSON document by their paths ("work[1].highlights[0]"),
// checking that each is of the kind wanted and noting that it was taken, so
// that what was never taken can be listed afterwards. A missing value or null
// reads as empty; one of the wrong kind throws automation::Failure naming its
// path.
class JsonDocumentReader {
public:
    // A value of the wrong kind, and where it is.
    class WrongKind : public automation::Failure {
    public:
        WrongKind(const QString &path, const QString &description) : automation::Failure(description), m_path(path) {}
        QString path() const { return m_path; }

    private:
        QString m_path;
    };

    // The path of the property `name` of the value at `path`, and of its element `index`.
    static QString child(const QString &path, const QString &name);
    static QString element(const QString &path, int index);

    // Text, or a number as text.
    QString text(const QJsonValue &value, const QString &path);
    QString text(const QJsonObject &object, const QString &path, const char *name);
    QJsonObject object(const QJsonValue &value, const QString &path);
    QJsonObject object(const QJsonObject &parent, const QString &path, const char *name);
    QJsonArray array(const QJsonObject &parent, const QString &path, const char *name);

    // Takes a whole part without reading it.
    void skip(const QString &path);

    // Adds a line to `lines` for each non-empty part of `value` that was
    // never taken, with a few words that tell which it was.
    void listLeftOver(const QJsonValue &value, const QString &path, QStringList &lines) const;

private:
    bool takenWithin(const QString &path) const;

    QSet<QString> m_taken;
};

} // namespace app
