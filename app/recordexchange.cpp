#include "recordexchange.h"

#include "jsondocumentreader.h"
#include "jsonlocator.h"
#include "jsonresume.h"
#include "storedrecord.h"

#include "automation/failure.h"
#include "shell/safewrite.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>

#include <cstdio>

namespace app {
namespace {

const QString standardStream = QStringLiteral("-");

QByteArray readInput(const QString &file)
{
    QFile input;
    const bool opened = file == standardStream ? input.open(stdin, QIODevice::ReadOnly)
                                               : (input.setFileName(file), input.open(QIODevice::ReadOnly));
    QByteArray bytes;
    if (opened)
        bytes = input.readAll();
    if (!opened || input.error() != QFileDevice::NoError)
        throw automation::Failure(QStringLiteral("cannot be read: %1").arg(input.errorString()));
    return bytes;
}

// "line:column" (both from 1, columns in characters) of the byte `offset` in UTF-8 text.
QString lineAndColumn(const QByteArray &bytes, qsizetype offset)
{
    offset = std::clamp<qsizetype>(offset, 0, bytes.size());
    const QByteArray before = bytes.left(offset);
    const qsizetype lineStart = before.lastIndexOf('\n') + 1;
    const int column = QString::fromUtf8(before.mid(lineStart)).size() + 1;
    return QStringLiteral("%1:%2").arg(before.count('\n') + 1).arg(column);
}

// The parser stops just past the character it could not take; within the
// text, that character is the one to show. At the end, the end is.
qsizetype faultOffset(const QByteArray &bytes, const QJsonParseError &error)
{
    return error.offset > 0 && error.offset < bytes.size() ? error.offset - 1 : error.offset;
}

qsizetype firstNonSpace(const QByteArray &bytes)
{
    qsizetype at = 0;
    while (at < bytes.size() && QChar::isSpace(static_cast<unsigned char>(bytes.at(at))))
        ++at;
    return at;
}

// The record the document in `bytes` gives; throws a failure whose text
// starts with the place of the fault.
JsonResume::Reading readDocument(QByteArray bytes, const QString &name)
{
    // A byte-order mark is allowed before UTF-8 text; the positions count after it.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        throw automation::Failure(QStringLiteral("%1:%2: this is not JSON: %3")
                                      .arg(name, lineAndColumn(bytes, faultOffset(bytes, error)), error.errorString()));
    if (!document.isObject())
        throw automation::Failure(QStringLiteral("%1:%2: the document is a list, where a JSON Resume document is an object")
                                      .arg(name, lineAndColumn(bytes, firstNonSpace(bytes))));
    try {
        return JsonResume::toRecord(document.object());
    } catch (const JsonDocumentReader::WrongKind &wrong) {
        const qsizetype offset = JsonLocator::offsetOf(bytes, wrong.path());
        const QString place = offset < 0 ? name : name + QLatin1Char(':') + lineAndColumn(bytes, offset);
        throw automation::Failure(QStringLiteral("%1: %2").arg(place, wrong.description()));
    } catch (const automation::Failure &failure) {
        throw automation::Failure(QStringLiteral("%1: %2").arg(name, failure.description()));
    }
}

QString shownName(const QString &file)
{
    return file == standardStream ? QStringLiteral("standard input") : file;
}

} // namespace

int exportRecord(const QString &file, QTextStream &out, QTextStream &err)
{
    try {
        const QByteArray json = QJsonDocument(JsonResume::fromRecord(readStoredRecord())).toJson(QJsonDocument::Indented);
        if (file == standardStream)
            out << QString::fromUtf8(json);
        else
            shell::writeFileSafely(file, json);
        return 0;
    } catch (const automation::Failure &failure) {
        err << "parvolin: the resume could not be exported: " << failure.description() << '\n';
        return 1;
    }
}

int importRecord(const QString &file, QTextStream &err)
{
    const QString name = shownName(file);
    JsonResume::Reading reading;
    try {
        QByteArray bytes;
        try {
            bytes = readInput(file);
        } catch (const automation::Failure &failure) {
            throw automation::Failure(name + QLatin1Char(' ') + failure.description());
        }
        reading = readDocument(bytes, name);
    } catch (const automation::Failure &failure) {
        err << "parvolin: " << failure.description() << "; nothing was imported.\n";
        return 1;
    }
    try {
        readStoredRecord();
    } catch (const automation::Failure &failure) {
        // What cannot be read cannot be kept for the Undo, so it is not replaced.
        err << "parvolin: the stored resume cannot be read, so nothing was imported: " << failure.description() << '\n';
        return 1;
    }
    try {
        replaceStoredRecord(reading.record);
    } catch (const automation::Failure &failure) {
        err << "parvolin: the resume could not be imported: " << failure.description()
            << "\nThe resume it was replacing is kept; the next start offers to put it back.\n";
        return 1;
    }
    if (!reading.leftOver.isEmpty()) {
        err << "parvolin: not imported from " << name << ", as the resume has no place for them:\n";
        for (const QString &line : reading.leftOver)
            err << "  " << line << '\n';
    }
    return 0;
}

} // namespace app
