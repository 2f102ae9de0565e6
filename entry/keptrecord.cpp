#include "keptrecord.h"

#include "resumefields.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace entry {

QString KeptRecord::key()
{
    return QStringLiteral("Record Before Replacing");
}

QString KeptRecord::encoded(const QStringList &record)
{
    return QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(record)).toJson(QJsonDocument::Compact));
}

std::optional<QStringList> KeptRecord::decoded(const QString &text)
{
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8());
    if (!document.isArray() || document.array().size() != resumeFieldCount)
        return std::nullopt;
    QStringList record;
    for (const QJsonValue &value : document.array()) {
        if (!value.isString())
            return std::nullopt;
        record << value.toString();
    }
    return record;
}

} // namespace entry
