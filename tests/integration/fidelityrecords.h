#pragma once

#include <QByteArray>
#include <QString>
#include <map>
#include <vector>

// A resume record by text-box name, with a name for the test that uses it.
struct FidelityRecord {
    QString name;
    std::map<QString, QString> fields;
};

// Records that stress the page layout in different ways: the sample, a full
// record, long paragraphs, many short lines, wrapping awards and references,
// an unbreakable word, only spaces, Greek and Cyrillic text, Chinese and
// Japanese text with a Greek name, Arabic and Hebrew text mixed with English,
// an empty record, records of four to about ten pages, and page feet that
// once broke unlike LibreOffice.
std::vector<FidelityRecord> fidelityRecords();

// Why LibreOffice still lays out the right-to-left record `recordName` otherwise
// than we do, on both papers; null for every other record.
const char *rightToLeftDisagreement(const QString &recordName);
