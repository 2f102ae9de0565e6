#pragma once

#include <QJsonObject>
#include <QStringList>

namespace app {

// The resume record in the open JSON Resume format: the record's fields go
// where the format has a place for them, and what it has no place for (the
// dates as typed, an address it would split differently) goes in properties
// of our own beside them, so that a document written from a record reads
// back as exactly that record.
class JsonResume {
public:
    // What reading a document gave: the 34 field texts in on-screen order,
    // and a line for each part of the document the record has no place for.
    struct Reading {
        QStringList record;
        QStringList leftOver;
    };

    // The record (34 texts in on-screen order) as a JSON Resume document.
    static QJsonObject fromRecord(const QStringList &record);

    // The record a JSON Resume document written by any tool gives: the first
    // three jobs with their first three highlights, the first school, every
    // award and reference. Throws automation::Failure naming the place of
    // the fault when the object is not a JSON Resume document.
    static Reading toRecord(const QJsonObject &document);
};

} // namespace app
