#include "jsonresume.h"

#include "daterange.h"
#include "jsondocumentreader.h"

#include "automation/failure.h"
#include "entry/resumefields.h"

#include <QJsonArray>

namespace app {
namespace {

QString child(const QString &path, const QString &name)
{
    return JsonDocumentReader::child(path, name);
}

QString element(const QString &path, int index)
{
    return JsonDocumentReader::element(path, index);
}

const QString crlf = QStringLiteral("\r\n");
// Between the awards of the one-line awards field.
const QString awardSeparator = QStringLiteral("; ");
// Between two references of the references field: an empty line.
const QString referenceSeparator = crlf + crlf;
constexpr int jobCount = 3;
constexpr int responsibilityCount = 3;

int rowOfKey(const QString &key)
{
    const auto &fields = entry::resumeFields();
    for (int row = 0; row < entry::resumeFieldCount; ++row) {
        if (key == QLatin1String(fields[static_cast<std::size_t>(row)].key))
            return row;
    }
    throw automation::Failure(QStringLiteral("The record has no field \"%1\".").arg(key));
}

QString jobKey(const char *field, int job)
{
    return QStringLiteral("%1 %2").arg(QLatin1String(field)).arg(job);
}

QString responsibilityKey(int job, int responsibility)
{
    return QStringLiteral("Job Responsibility %1.%2").arg(job).arg(responsibility);
}

// The record's texts by settings key.
class FieldTexts {
public:
    explicit FieldTexts(QStringList record = QStringList())
        : m_record(record.isEmpty() ? QStringList(QList<QString>(entry::resumeFieldCount)) : std::move(record))
    {
    }

    QString operator()(const QString &key) const { return m_record.at(rowOfKey(key)); }
    void set(const QString &key, const QString &text) { m_record[rowOfKey(key)] = text; }
    const QStringList &record() const { return m_record; }

private:
    QStringList m_record;
};

void putText(QJsonObject &object, const char *name, const QString &text)
{
    if (!text.isEmpty())
        object.insert(QLatin1String(name), text);
}

// Line breaks as the multi-line fields hold them, whatever another tool wrote.
QString withRecordLineBreaks(QString text)
{
    text.replace(crlf, QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.replace(QLatin1Char('\n'), crlf);
}

// "Springfield, IL" as city and region; text without both stays the city.
void putCityAndRegion(QJsonObject &location, const QString &cityState)
{
    const int comma = cityState.lastIndexOf(QStringLiteral(", "));
    if (comma > 0 && comma + 2 < cityState.size()) {
        location.insert(QStringLiteral("city"), cityState.left(comma));
        location.insert(QStringLiteral("region"), cityState.mid(comma + 2));
    } else {
        putText(location, "city", cityState);
    }
}

void putDates(QJsonObject &entry, const QString &typed)
{
    const DateRange dates = DateRange::fromTypedText(typed);
    putText(entry, "startDate", dates.start);
    putText(entry, "endDate", dates.end);
    // The dates as typed, so that a note or an unreadable form is not lost.
    putText(entry, "datesAsTyped", typed);
}

QJsonObject basicsOf(const FieldTexts &fields)
{
    QJsonObject basics;
    putText(basics, "name", fields(QStringLiteral("Your Name")));
    putText(basics, "email", fields(QStringLiteral("Email")));
    putText(basics, "phone", fields(QStringLiteral("Phone")));
    putText(basics, "summary", fields(QStringLiteral("Objective")));
    QJsonObject location;
    putText(location, "address", fields(QStringLiteral("Street Address")));
    putCityAndRegion(location, fields(QStringLiteral("City")));
    putText(location, "postalCode", fields(QStringLiteral("Zip Code")));
    if (!location.isEmpty())
        basics.insert(QStringLiteral("location"), location);
    return basics;
}

QJsonObject jobOf(const FieldTexts &fields, int job)
{
    QJsonObject entry;
    putText(entry, "name", fields(jobKey("Company", job)));
    putText(entry, "position", fields(jobKey("Job Title", job)));
    putText(entry, "location", fields(jobKey("City", job)));
    putDates(entry, fields(jobKey("Date Of Employment", job)));
    QStringList highlights;
    for (int responsibility = 1; responsibility <= responsibilityCount; ++responsibility)
        highlights << fields(responsibilityKey(job, responsibility));
    // Empty ones before a filled one keep their places.
    while (!highlights.isEmpty() && highlights.last().isEmpty())
        highlights.removeLast();
    if (!highlights.isEmpty())
        entry.insert(QStringLiteral("highlights"), QJsonArray::fromStringList(highlights));
    return entry;
}

QJsonArray workOf(const FieldTexts &fields)
{
    QJsonArray work;
    for (int job = 1; job <= jobCount; ++job)
        work.append(jobOf(fields, job));
    // An empty job before a filled one keeps its place, so the jobs keep their numbers.
    while (!work.isEmpty() && work.last().toObject().isEmpty())
        work.removeLast();
    return work;
}

QJsonObject schoolOf(const FieldTexts &fields)
{
    QJsonObject school;
    putText(school, "institution", fields(QStringLiteral("School Name")));
    putText(school, "studyType", fields(QStringLiteral("Degree Obtained")));
    // The format has no place for the school's town; a property of our own.
    putText(school, "location", fields(QStringLiteral("School City")));
    putDates(school, fields(QStringLiteral("Date Of Attendance")));
    return school;
}

QJsonArray awardsOf(const QString &awards)
{
    QJsonArray list;
    if (awards.isEmpty())
        return list;
    for (const QString &title : awards.split(awardSeparator))
        list.append(QJsonObject{{QStringLiteral("title"), title}});
    return list;
}

// One reference per paragraph: its first line the name, the rest what is said.
QJsonArray referencesOf(const QString &references)
{
    QJsonArray list;
    if (references.isEmpty())
        return list;
    for (const QString &block : references.split(referenceSeparator)) {
        QJsonObject reference;
        const int lineEnd = block.indexOf(crlf);
        putText(reference, "name", lineEnd < 0 ? block : block.left(lineEnd));
        if (lineEnd >= 0)
            putText(reference, "reference", block.mid(lineEnd + crlf.size()));
        list.append(reference);
    }
    return list;
}

void putArray(QJsonObject &document, const char *name, const QJsonArray &array)
{
    if (!array.isEmpty())
        document.insert(QLatin1String(name), array);
}

QString joined(const QStringList &parts, const QString &separator)
{
    QStringList filled;
    for (const QString &part : parts) {
        if (!part.isEmpty())
            filled << part;
    }
    return filled.join(separator);
}

QString datesOf(JsonDocumentReader &reader, const QJsonObject &entry, const QString &path)
{
    const DateRange dates{reader.text(entry, path, "startDate"), reader.text(entry, path, "endDate")};
    const QString typed = reader.text(entry, path, "datesAsTyped");
    // The typed form is kept only while the dates beside it still say the
    // same: another tool may have changed the dates and left it stale.
    if (!typed.isEmpty() && DateRange::fromTypedText(typed) == dates)
        return typed;
    return dates.typedText();
}

class RecordReader {
public:
    explicit RecordReader(const QJsonObject &document) : m_document(document) {}

    JsonResume::Reading read()
    {
        readBasics();
        readWork();
        readSchool();
        m_fields.set(QStringLiteral("Special Awards"), awards());
        m_fields.set(QStringLiteral("References"), withRecordLineBreaks(references()));
        m_reader.skip(QStringLiteral("$schema"));
        m_reader.skip(QStringLiteral("meta"));
        putBackExactTexts();
        JsonResume::Reading reading{m_fields.record(), {}};
        for (auto it = m_document.begin(); it != m_document.end(); ++it)
            m_reader.listLeftOver(it.value(), it.key(), reading.leftOver);
        return reading;
    }

private:
    void set(const char *key, const QJsonObject &object, const QString &path, const char *name)
    {
        m_fields.set(QLatin1String(key), m_reader.text(object, path, name));
    }

    void readBasics()
    {
        const QString path = QStringLiteral("basics");
        const QJsonObject basics = m_reader.object(m_document, QString(), "basics");
        set("Your Name", basics, path, "name");
        set("Email", basics, path, "email");
        set("Phone", basics, path, "phone");
        m_fields.set(QStringLiteral("Objective"), withRecordLineBreaks(m_reader.text(basics, path, "summary")));
        const QString at = child(path, QStringLiteral("location"));
        const QJsonObject location = m_reader.object(basics, path, "location");
        set("Street Address", location, at, "address");
        set("Zip Code", location, at, "postalCode");
        m_fields.set(QStringLiteral("City"),
                     joined({m_reader.text(location, at, "city"), m_reader.text(location, at, "region")},
                            QStringLiteral(", ")));
    }

    void readWork()
    {
        const QJsonArray work = m_reader.array(m_document, QString(), "work");
        for (int index = 0; index < jobCount && index < work.size(); ++index)
            readJob(index + 1, m_reader.object(work.at(index), element(QStringLiteral("work"), index)));
    }

    void readJob(int job, const QJsonObject &entry)
    {
        const QString path = element(QStringLiteral("work"), job - 1);
        QString company = m_reader.text(entry, path, "name");
        // Older documents of the format name the employer "company".
        const QString olderCompany = m_reader.text(entry, path, "company");
        m_fields.set(jobKey("Company", job), company.isEmpty() ? olderCompany : company);
        m_fields.set(jobKey("Job Title", job), m_reader.text(entry, path, "position"));
        m_fields.set(jobKey("City", job), m_reader.text(entry, path, "location"));
        m_fields.set(jobKey("Date Of Employment", job), datesOf(m_reader, entry, path));
        const QJsonArray highlights = m_reader.array(entry, path, "highlights");
        const QString at = child(path, QStringLiteral("highlights"));
        for (int index = 0; index < responsibilityCount && index < highlights.size(); ++index)
            m_fields.set(responsibilityKey(job, index + 1), m_reader.text(highlights.at(index), element(at, index)));
    }

    void readSchool()
    {
        const QJsonArray education = m_reader.array(m_document, QString(), "education");
        if (education.isEmpty())
            return;
        const QString path = QStringLiteral("education[0]");
        const QJsonObject school = m_reader.object(education.at(0), path);
        set("School Name", school, path, "institution");
        set("School City", school, path, "location");
        m_fields.set(QStringLiteral("Degree Obtained"),
                     joined({m_reader.text(school, path, "studyType"), m_reader.text(school, path, "area")},
                            QStringLiteral(" in ")));
        m_fields.set(QStringLiteral("Date Of Attendance"), datesOf(m_reader, school, path));
    }

    QString awards()
    {
        const QJsonArray awards = m_reader.array(m_document, QString(), "awards");
        QStringList texts;
        for (int index = 0; index < awards.size(); ++index) {
            const QString path = element(QStringLiteral("awards"), index);
            const QJsonObject award = m_reader.object(awards.at(index), path);
            const QString details =
                joined({m_reader.text(award, path, "awarder"), m_reader.text(award, path, "date")}, QStringLiteral(", "));
            const QString title = m_reader.text(award, path, "title");
            texts << (details.isEmpty() ? title : joined({title, QStringLiteral("(%1)").arg(details)}, QStringLiteral(" ")));
        }
        return texts.join(awardSeparator);
    }

    QString references()
    {
        const QJsonArray references = m_reader.array(m_document, QString(), "references");
        QStringList texts;
        for (int index = 0; index < references.size(); ++index) {
            const QString path = element(QStringLiteral("references"), index);
            const QJsonObject reference = m_reader.object(references.at(index), path);
            texts << joined({m_reader.text(reference, path, "name"), m_reader.text(reference, path, "reference")}, crlf);
        }
        return texts.join(referenceSeparator);
    }

    // A field the format cannot hold exactly was written with its exact
    // text and what the rest of the document reads as; the exact text comes
    // back while the document still reads the same.
    void putBackExactTexts()
    {
        const QJsonObject exact = m_document.value(QStringLiteral("meta")).toObject().value(QStringLiteral("parvolin"))
                                      .toObject().value(QStringLiteral("exactText")).toObject();
        for (auto it = exact.begin(); it != exact.end(); ++it) {
            const QJsonObject kept = it.value().toObject();
            const QJsonValue typed = kept.value(QStringLiteral("typed"));
            const QJsonValue readsAs = kept.value(QStringLiteral("readsAs"));
            const auto &fields = entry::resumeFields();
            const bool known = std::any_of(fields.begin(), fields.end(),
                                           [&](const entry::ResumeField &field) { return it.key() == QLatin1String(field.key); });
            if (known && typed.isString() && readsAs.isString() && m_fields(it.key()) == readsAs.toString())
                m_fields.set(it.key(), typed.toString());
        }
    }

    const QJsonObject m_document;
    JsonDocumentReader m_reader;
    FieldTexts m_fields;
};

// The sections that make an object a JSON Resume document.
bool isJsonResume(const QJsonObject &document)
{
    for (const char *section : {"basics", "work", "volunteer", "education", "awards", "certificates", "publications",
                                "skills", "languages", "interests", "references", "projects"}) {
        if (document.contains(QLatin1String(section)))
            return true;
    }
    return false;
}

} // namespace

QJsonObject JsonResume::fromRecord(const QStringList &record)
{
    const FieldTexts fields(record);
    QJsonObject document;
    document.insert(QStringLiteral("$schema"),
                    QStringLiteral("https://raw.githubusercontent.com/jsonresume/resume-schema/v1.0.0/schema.json"));
    // Always there, so that even an empty record is a document of the format.
    document.insert(QStringLiteral("basics"), basicsOf(fields));
    putArray(document, "work", workOf(fields));
    const QJsonObject school = schoolOf(fields);
    if (!school.isEmpty())
        document.insert(QStringLiteral("education"), QJsonArray{school});
    putArray(document, "awards", awardsOf(fields(QStringLiteral("Special Awards"))));
    putArray(document, "references", referencesOf(fields(QStringLiteral("References"))));

    // What the format's places do not give back exactly is kept as typed.
    const QStringList readBack = toRecord(document).record;
    QJsonObject exact;
    const auto &keys = entry::resumeFields();
    for (int row = 0; row < entry::resumeFieldCount; ++row) {
        if (readBack.at(row) != record.at(row))
            exact.insert(QLatin1String(keys[static_cast<std::size_t>(row)].key),
                         QJsonObject{{QStringLiteral("typed"), record.at(row)}, {QStringLiteral("readsAs"), readBack.at(row)}});
    }
    if (!exact.isEmpty())
        document.insert(QStringLiteral("meta"),
                        QJsonObject{{QStringLiteral("parvolin"), QJsonObject{{QStringLiteral("exactText"), exact}}}});
    return document;
}

JsonResume::Reading JsonResume::toRecord(const QJsonObject &document)
{
    if (!isJsonResume(document))
        throw automation::Failure(QStringLiteral("the object has none of the sections of a JSON Resume document "
                                                 "(basics, work, education, ...)"));
    return RecordReader(document).read();
}

} // namespace app
