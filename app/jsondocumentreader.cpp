#include "jsondocumentreader.h"

namespace app {
namespace {

const char *kindOf(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Bool:
        return "true or false";
    case QJsonValue::Double:
        return "a number";
    case QJsonValue::String:
        return "text";
    case QJsonValue::Array:
        return "a list";
    case QJsonValue::Object:
        return "an object";
    default:
        return "nothing";
    }
}

[[noreturn]] void throwWrongKind(const QString &path, const QJsonValue &value, const char *wanted)
{
    throw JsonDocumentReader::WrongKind(path, QStringLiteral("%1 is %2 where %3 belongs").arg(path, QLatin1String(kindOf(value)),
                                                                              QLatin1String(wanted)));
}

bool isAbsent(const QJsonValue &value)
{
    return value.isNull() || value.isUndefined();
}

bool isEmpty(const QJsonValue &value)
{
    return isAbsent(value) || (value.isString() && value.toString().isEmpty())
           || (value.isArray() && value.toArray().isEmpty()) || (value.isObject() && value.toObject().isEmpty());
}

// A few words that tell the user which part it was: " (Acme Corp)".
QString describe(const QJsonValue &value)
{
    if (value.isArray()) {
        const qsizetype count = value.toArray().size();
        return count == 1 ? QStringLiteral(" (1 entry)") : QStringLiteral(" (%1 entries)").arg(count);
    }
    QString words = value.isString() ? value.toString() : QString();
    for (const char *name : {"name", "title", "institution", "network", "language", "organization", "company"}) {
        if (words.isEmpty() && value.isObject())
            words = value.toObject().value(QLatin1String(name)).toString();
    }
    words = words.simplified();
    if (words.size() > 40)
        words = words.left(39) + QChar(0x2026);
    return words.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(words);
}

} // namespace

QString JsonDocumentReader::child(const QString &path, const QString &name)
{
    return path.isEmpty() ? name : path + QLatin1Char('.') + name;
}

QString JsonDocumentReader::element(const QString &path, int index)
{
    return QStringLiteral("%1[%2]").arg(path).arg(index);
}

QString JsonDocumentReader::text(const QJsonValue &value, const QString &path)
{
    m_taken.insert(path);
    if (value.isString())
        return value.toString();
    if (value.isDouble())
        return value.toVariant().toString();
    if (isAbsent(value))
        return QString();
    throwWrongKind(path, value, "text");
}

QString JsonDocumentReader::text(const QJsonObject &object, const QString &path, const char *name)
{
    return text(object.value(QLatin1String(name)), child(path, QLatin1String(name)));
}

QJsonObject JsonDocumentReader::object(const QJsonValue &value, const QString &path)
{
    if (isAbsent(value))
        return QJsonObject();
    if (!value.isObject())
        throwWrongKind(path, value, "an object");
    return value.toObject();
}

QJsonObject JsonDocumentReader::object(const QJsonObject &parent, const QString &path, const char *name)
{
    return object(parent.value(QLatin1String(name)), child(path, QLatin1String(name)));
}

QJsonArray JsonDocumentReader::array(const QJsonObject &parent, const QString &path, const char *name)
{
    const QJsonValue value = parent.value(QLatin1String(name));
    if (isAbsent(value))
        return QJsonArray();
    if (!value.isArray())
        throwWrongKind(child(path, QLatin1String(name)), value, "a list");
    return value.toArray();
}

void JsonDocumentReader::skip(const QString &path)
{
    m_taken.insert(path);
}

void JsonDocumentReader::listLeftOver(const QJsonValue &value, const QString &path, QStringList &lines) const
{
    if (m_taken.contains(path) || isEmpty(value))
        return;
    if (!takenWithin(path)) {
        lines << path + describe(value);
        return;
    }
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            listLeftOver(it.value(), child(path, it.key()), lines);
    } else if (value.isArray()) {
        const QJsonArray array = value.toArray();
        for (int index = 0; index < array.size(); ++index)
            listLeftOver(array.at(index), element(path, index), lines);
    }
}

bool JsonDocumentReader::takenWithin(const QString &path) const
{
    for (const QString &taken : m_taken) {
        if (taken.startsWith(path + QLatin1Char('.')) || taken.startsWith(path + QLatin1Char('[')))
            return true;
    }
    return false;
}

} // namespace app
