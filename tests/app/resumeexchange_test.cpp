// --export and --import through the real program, in a settings folder of
// the test's own.
#include "terminalrun.h"

#include "app/daterange.h"
#include "app/jsonresume.h"
#include "entry/keptrecord.h"
#include "entry/resumefields.h"
#include "shell/settingsstore.h"
#include "support/files.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <functional>

namespace {

using Record = QStringList;

// A record whose field in on-screen row r is `text(r)`.
Record recordOf(const std::function<QString(int)> &text)
{
    Record record;
    for (int row = 0; row < entry::resumeFieldCount; ++row)
        record << text(row);
    return record;
}

Record recordWith(std::initializer_list<std::pair<const char *, QString>> texts)
{
    Record record = recordOf([](int) { return QString(); });
    for (const auto &[key, text] : texts) {
        for (int row = 0; row < entry::resumeFieldCount; ++row)
            if (QLatin1String(entry::resumeFields()[row].key) == QLatin1String(key))
                record[row] = text;
    }
    return record;
}

void store(const Record &record)
{
    shell::SettingsStore store;
    for (int row = 0; row < entry::resumeFieldCount; ++row)
        store.write(QLatin1String(entry::resumeFields()[row].key), record.at(row));
}

Record stored()
{
    const shell::SettingsStore store;
    return recordOf([&store](int row) { return store.read(QLatin1String(entry::resumeFields()[row].key)); });
}

QString settingsFile()
{
    return shell::SettingsStore::fileName();
}

struct AwkwardRecord {
    const char *name;
    Record record;
};

std::vector<AwkwardRecord> awkwardRecords()
{
    const QString longText = QString(QStringLiteral("Long text with \"quotes\" \\ and a line break\r\n")).repeated(4000);
    return {
        {"Empty", recordOf([](int) { return QString(); })},
        {"LineBreaksInEveryField",
         recordOf([](int row) { return QStringLiteral("first %1\r\nsecond\r\n\r\nthird\r\n").arg(row); })},
        {"QuotesBackslashesAndMarkup",
         recordOf([](int row) {
             return QStringLiteral("\"%1\" \\\\server\\share\\ {\"a\": [1]} <b>&amp;</b> key=value ; # [Parvolin] %20\t")
                 .arg(row);
         })},
        {"Unicode",
         recordOf([](int row) {
             return QStringLiteral("Zo\u00eb \u00c5ngstr\u00f6m \u65e5\u672c\u8a9e \U0001F600 \u05e2\u05d1\u05e8\u05d9\u05ea "
                                   "e\u0301 \u00a0no-break %1")
                 .arg(row);
         })},
        {"EmptyFieldsBetweenFilledOnes",
         recordWith({{"Company 1", QStringLiteral("First Co")},
                     {"Job Responsibility 1.2", QStringLiteral("only the middle one")},
                     {"Job Title 3", QStringLiteral("Third job, nothing else")},
                     {"City", QStringLiteral(", IL")},
                     {"City 1", QStringLiteral("Springfield, ")},
                     {"Special Awards", QStringLiteral("A; ; B; ")},
                     {"References", QStringLiteral("\r\n\r\nJane Roe\r\n\r\n\r\n\r\nJohn Doe\r\n")},
                     {"Objective", QStringLiteral("lone\rCR and lone\nLF")}})},
        {"SpacesAroundEverything",
         recordOf([](int row) { return row % 2 ? QStringLiteral("  padded %1  ").arg(row) : QStringLiteral(" "); })},
        {"VeryLongText", recordOf([&longText](int row) { return row % 3 ? longText.left(row * 997) : longText; })},
        {"DatesOfEveryForm",
         recordWith({{"Date Of Employment 1", QStringLiteral("May 2018 - June 2021 (contract)")},
                     {"Date Of Employment 2", QStringLiteral("05/2016 to present")},
                     {"Date Of Employment 3", QStringLiteral("two summers, 1999 and 2001")},
                     {"Date Of Attendance", QStringLiteral("2010 - 2014")},
                     {"City", QStringLiteral("Springfield, IL")}})},
    };
}

class ExportThenImport : public ::testing::TestWithParam<AwkwardRecord> {};

} // namespace

TEST_P(ExportThenImport, GivesBackEveryFieldExactly)
{
    testsupport::freshSettingsFolder();
    const QString json = testsupport::freshFolder(QStringLiteral("json")) + QStringLiteral("/resume.json");
    const Record original = GetParam().record;
    store(original);

    const apptest::TerminalRun exported = apptest::runInTerminal({QStringLiteral("--export"), json});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    const apptest::TerminalRun toOut = apptest::runInTerminal({QStringLiteral("--export"), QStringLiteral("-")});
    EXPECT_EQ(toOut.out, testsupport::contents(json)) << "standard output gets the same document";

    store(recordOf([](int row) { return QStringLiteral("to be replaced %1").arg(row); }));
    const apptest::TerminalRun imported = apptest::runInTerminal({QStringLiteral("--import"), json});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_TRUE(imported.err.isEmpty()) << "our own document has nothing left over: " << imported.err.toStdString();
    const Record back = stored();
    for (int row = 0; row < entry::resumeFieldCount; ++row)
        EXPECT_EQ(back.at(row), original.at(row)) << entry::resumeFields()[row].key;
}

INSTANTIATE_TEST_SUITE_P(AwkwardText, ExportThenImport, ::testing::ValuesIn(awkwardRecords()),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ExportedResume, PutsTheFieldsWhereJsonResumeReadersLook)
{
    const QJsonObject document = app::JsonResume::fromRecord(recordWith({
        {"Your Name", QStringLiteral("Pat Example")},
        {"City", QStringLiteral("Springfield, IL")},
        {"Zip Code", QStringLiteral("62701")},
        {"Objective", QStringLiteral("To build.\r\nAnd ship.")},
        {"Company 2", QStringLiteral("Second Co")},
        {"Date Of Employment 2", QStringLiteral("May 2018 - June 2021 (contract)")},
        {"Job Responsibility 2.2", QStringLiteral("Shipped")},
        {"School Name", QStringLiteral("State University")},
        {"Special Awards", QStringLiteral("Dean's List; Eagle Scout")},
        {"References", QStringLiteral("Jane Roe\r\nManager, 555-0100\r\n\r\nJohn Doe")},
    }));
    const QJsonObject basics = document.value(QStringLiteral("basics")).toObject();
    EXPECT_EQ(basics.value(QStringLiteral("name")).toString(), QStringLiteral("Pat Example"));
    EXPECT_EQ(basics.value(QStringLiteral("summary")).toString(), QStringLiteral("To build.\r\nAnd ship."));
    const QJsonObject location = basics.value(QStringLiteral("location")).toObject();
    EXPECT_EQ(location.value(QStringLiteral("city")).toString(), QStringLiteral("Springfield"));
    EXPECT_EQ(location.value(QStringLiteral("region")).toString(), QStringLiteral("IL"));
    EXPECT_EQ(location.value(QStringLiteral("postalCode")).toString(), QStringLiteral("62701"));

    const QJsonArray work = document.value(QStringLiteral("work")).toArray();
    ASSERT_EQ(work.size(), 2) << "the empty first job keeps the second in its place; no empty third";
    const QJsonObject second = work.at(1).toObject();
    EXPECT_EQ(second.value(QStringLiteral("name")).toString(), QStringLiteral("Second Co"));
    EXPECT_EQ(second.value(QStringLiteral("startDate")).toString(), QStringLiteral("2018-05"));
    EXPECT_EQ(second.value(QStringLiteral("endDate")).toString(), QStringLiteral("2021-06"));
    EXPECT_EQ(second.value(QStringLiteral("highlights")).toArray(), (QJsonArray{QString(), QStringLiteral("Shipped")}));

    EXPECT_EQ(document.value(QStringLiteral("education")).toArray().at(0).toObject().value(QStringLiteral("institution")),
              QStringLiteral("State University"));
    EXPECT_EQ(document.value(QStringLiteral("awards")).toArray().size(), 2);
    const QJsonArray references = document.value(QStringLiteral("references")).toArray();
    ASSERT_EQ(references.size(), 2);
    EXPECT_EQ(references.at(0).toObject().value(QStringLiteral("reference")).toString(), QStringLiteral("Manager, 555-0100"));
    EXPECT_FALSE(document.contains(QStringLiteral("meta"))) << "all of it fits the format's own places";
}

TEST(ExportedResume, DatesEditedByAnotherToolWinOverTheStaleTypedForm)
{
    QJsonObject document = app::JsonResume::fromRecord(
        recordWith({{"Date Of Employment 1", QStringLiteral("May 2018 - June 2021")}}));
    QJsonArray work = document.value(QStringLiteral("work")).toArray();
    QJsonObject job = work.at(0).toObject();
    job.insert(QStringLiteral("startDate"), QStringLiteral("2019-01"));
    work.replace(0, job);
    document.insert(QStringLiteral("work"), work);
    EXPECT_EQ(app::JsonResume::toRecord(document).record.at(7), QStringLiteral("January 2019 - June 2021"));
}

TEST(TypedDates, ReadAsIsoDatesWhereTheyCan)
{
    const struct {
        const char *typed;
        const char *start;
        const char *end;
    } rows[] = {
        {"May 2018 - June 2021 (contract)", "2018-05", "2021-06"},
        {"Jan. 2015 \u2013 Sept 2016", "2015-01", "2016-09"},
        {"05/2018 to present", "2018-05", ""},
        {"2015-2019", "2015", "2019"},
        {"2018-05 - 2019-06-30", "2018-05", "2019-06-30"},
        {"3/14/2019 - 12/1/2020", "2019-03-14", "2020-12-01"},
        {"March 3, 2018 - Current", "2018-03-03", ""},
        {"3 March 2018 until 2020", "2018-03-03", "2020"},
        {"1999", "1999", "1999"},
        {"  2012 -- 2013  ", "2012", "2013"},
        {"2019 - 2017", "", ""},
        {"13/2018 - 2019", "", ""},
        {"February 30, 2018", "", ""},
        {"two summers", "", ""},
        {"", "", ""},
    };
    for (const auto &row : rows) {
        const app::DateRange dates = app::DateRange::fromTypedText(QString::fromUtf8(row.typed));
        EXPECT_EQ(dates.start, QLatin1String(row.start)) << row.typed;
        EXPECT_EQ(dates.end, QLatin1String(row.end)) << row.typed;
    }
}

TEST(ImportFromAnotherTool, FillsTheRecordListsWhatDidNotFitAndKeepsTheReplacedRecord)
{
    testsupport::freshSettingsFolder();
    const Record before = recordOf([](int row) { return QStringLiteral("earlier %1\r\nline").arg(row); });
    store(before);

    const apptest::TerminalRun run =
        apptest::runInTerminal({QStringLiteral("--import"), QStringLiteral("-")}, {},
                               testsupport::contents(QStringLiteral(PARVOLIN_TEST_DATA "/app/otherbuilder.json")));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QLatin1String("not imported from standard input"))) << run.err.toStdString();
    const Record record = stored();
    const auto field = [&record](const char *key) {
        for (int row = 0; row < entry::resumeFieldCount; ++row)
            if (QLatin1String(entry::resumeFields()[row].key) == QLatin1String(key))
                return record.at(row);
        return QStringLiteral("<no such key>");
    };
    EXPECT_EQ(field("Your Name"), QStringLiteral("Morgan Lee"));
    EXPECT_EQ(field("City"), QStringLiteral("Portland, OR"));
    EXPECT_EQ(field("Zip Code"), QStringLiteral("97201"));
    EXPECT_EQ(field("Objective"), QStringLiteral("Backend engineer who likes boring, reliable systems.\r\n"
                                                 "Looking for a team that ships."));
    EXPECT_EQ(field("Company 1"), QStringLiteral("Riverbend Logistics"));
    EXPECT_EQ(field("Date Of Employment 1"), QStringLiteral("March 2021 - Present"));
    EXPECT_EQ(field("Job Responsibility 1.3"), QStringLiteral("Cut p99 latency of the quote API from 900 ms to 120 ms"));
    EXPECT_EQ(field("Company 2"), QStringLiteral("Northwind Health"));
    EXPECT_EQ(field("Date Of Employment 2"), QStringLiteral("June 12, 2017 - February 26, 2021"));
    EXPECT_EQ(field("Job Responsibility 2.3"), QString()) << "a job with two highlights leaves the third empty";
    EXPECT_EQ(field("Company 3"), QStringLiteral("Cobalt Studio"));
    EXPECT_EQ(field("City 3"), QString());
    EXPECT_EQ(field("School Name"), QStringLiteral("Oregon State University"));
    EXPECT_EQ(field("Degree Obtained"), QStringLiteral("Bachelor of Science in Computer Science"));
    EXPECT_EQ(field("Date Of Attendance"), QStringLiteral("2009 - 2013"));
    EXPECT_EQ(field("Special Awards"),
              QStringLiteral("Engineering Excellence Award (Riverbend Logistics, 2022-11-01); Dean's List"));
    EXPECT_EQ(field("References"), QStringLiteral("Dana Whitfield\r\nMorgan rebuilt our dispatch system.\r\n"
                                                  "Highly recommended.\r\n\r\nAvailable on request"));

    for (const char *leftOver : {"work[0].highlights[3]", "work[3] (Harbor Freight Co-op)", "skills (3 entries)",
                                 "basics.profiles (2 entries)", "basics.label", "education[1]", "languages",
                                 "work[0].summary"})
        EXPECT_TRUE(run.err.contains(QLatin1String(leftOver))) << leftOver << " in: " << run.err.toStdString();
    EXPECT_FALSE(run.err.contains(QLatin1String("meta"))) << "the document's own meta data is no loss";

    const std::optional<Record> kept =
        entry::KeptRecord::decoded(shell::SettingsStore().read(entry::KeptRecord::key()));
    ASSERT_TRUE(kept.has_value()) << "the replaced record is kept for the Undo of the next start";
    EXPECT_EQ(*kept, before);
}

TEST(ImportFromAnotherTool, AnIdenticalRecordWritesNothing)
{
    testsupport::freshSettingsFolder();
    const QString json = testsupport::freshFolder(QStringLiteral("json")) + QStringLiteral("/same.json");
    store(recordWith({{"Your Name", QStringLiteral("Same Person")}}));
    ASSERT_EQ(apptest::runInTerminal({QStringLiteral("--export"), json}).exitCode, 0);
    const QByteArray settings = testsupport::contents(settingsFile());
    EXPECT_EQ(apptest::runInTerminal({QStringLiteral("--import"), json}).exitCode, 0);
    EXPECT_EQ(testsupport::contents(settingsFile()), settings) << "no Undo is offered for a record that did not change";
}

namespace {

struct DamagedFile {
    const char *name;
    QByteArray bytes;
    const char *fault; // what the message must say, after the file's name
};

class DamagedImport : public ::testing::TestWithParam<DamagedFile> {};

} // namespace

TEST_P(DamagedImport, IsRefusedWithThePlaceOfTheFaultAndTheStoreUntouched)
{
    testsupport::freshSettingsFolder();
    store(recordOf([](int row) { return QStringLiteral("kept %1\r\n").arg(row); }));
    const QByteArray settings = testsupport::contents(settingsFile());
    const QString file = testsupport::freshFolder(QStringLiteral("damaged")) + QStringLiteral("/damaged.json");
    ASSERT_TRUE(testsupport::put(file, GetParam().bytes));

    const apptest::TerminalRun run = apptest::runInTerminal({QStringLiteral("--import"), file});
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("parvolin: ") + file + QLatin1String(GetParam().fault)))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QLatin1String("nothing was imported"))) << run.err.toStdString();
    EXPECT_EQ(testsupport::contents(settingsFile()), settings);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedImport,
    ::testing::Values(
        DamagedFile{"Empty", "", ":1:1: this is not JSON"},
        DamagedFile{"CutOff", "{\n  \"basics\": {\n    \"name\": \"A\",\n", ":4:1: this is not JSON"},
        DamagedFile{"DoubleComma", "{\n  \"basics\": {\"name\": \"A\",, \"email\": \"b\"}\n}", ":2:26: this is not JSON"},
        DamagedFile{"NotText", "\x89PNG\r\n\x1a\n\0\0\0\rIHDR", ":1:1: this is not JSON"},
        DamagedFile{"AnArray", "\n  [{\"basics\": {}}]", ":2:3: the document is a list"},
        DamagedFile{"AnotherKindOfObject", "{\"name\": \"parvolin\", \"version\": \"1.0\"}", ": the object has none"},
        DamagedFile{"WorkIsAnObject", "{\"work\": {\"name\": \"A\"}}", ":1:10: work is an object where a list belongs"},
        DamagedFile{"HighlightsIsText", "{\"work\": [{\"highlights\": \"one\"}]}",
                    ":1:26: work[0].highlights is text where a list belongs"},
        DamagedFile{"NameIsAnObject", "{\"basics\": {\"name\": {\"first\": \"A\"}}}",
                    ":1:21: basics.name is an object where text belongs"},
        DamagedFile{"HighlightIsAList",
                    "{\"work\": [{\"highlights\": [\"x,]}\"]},\n  {\"name\": \"B\", \"highlights\": [\"a\", [\"b\"]]}]}",
                    ":2:37: work[1].highlights[1] is a list where text belongs"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DamagedStore, IsNeitherExportedNorImportedOver)
{
    testsupport::freshSettingsFolder();
    store(recordWith({{"Your Name", QStringLiteral("Pat")}}));
    // A value cut off in the middle, as a disk error might leave it: the
    // window shows the field empty and keeps the line, and so must these.
    QByteArray damaged = testsupport::contents(settingsFile());
    damaged.replace("Your%20Name=Pat", "Your%20Name=\"Pat, half a line");
    ASSERT_TRUE(testsupport::put(settingsFile(), damaged));
    const QString json = testsupport::freshFolder(QStringLiteral("json")) + QStringLiteral("/resume.json");

    const apptest::TerminalRun exported = apptest::runInTerminal({QStringLiteral("--export"), json});
    EXPECT_EQ(exported.exitCode, 1);
    EXPECT_TRUE(exported.err.contains(QLatin1String("Your Name"))) << exported.err.toStdString();
    EXPECT_FALSE(QFile::exists(json));

    ASSERT_TRUE(testsupport::put(json, "{\"basics\": {\"name\": \"Someone Else\"}}"));
    const apptest::TerminalRun imported = apptest::runInTerminal({QStringLiteral("--import"), json});
    EXPECT_EQ(imported.exitCode, 1);
    EXPECT_TRUE(imported.err.contains(QLatin1String("nothing was imported"))) << imported.err.toStdString();
    EXPECT_EQ(testsupport::contents(settingsFile()), damaged);
}

TEST(DamagedImport, AMissingFileIsRefusedByName)
{
    testsupport::freshSettingsFolder();
    const QString missing = testsupport::freshFolder(QStringLiteral("missing")) + QStringLiteral("/none.json");
    const apptest::TerminalRun run = apptest::runInTerminal({QStringLiteral("--import"), missing});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("parvolin: ") + missing + QStringLiteral(" cannot be read")))
        << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(settingsFile()));
}

TEST(RecordCommands, BadArgumentsAreRefusedWithTwo)
{
    for (const QStringList &arguments :
         {QStringList{QStringLiteral("--export")}, QStringList{QStringLiteral("--import"), QStringLiteral("--help")},
          QStringList{QStringLiteral("--make"), QStringLiteral("a.doc"), QStringLiteral("b.doc")},
          QStringList{QStringLiteral("--make"), QStringLiteral("resume.txt")}}) {
        const apptest::TerminalRun run = apptest::runInTerminal(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("Try 'parvolin --help'"))) << run.err.toStdString();
        EXPECT_EQ(run.err.count(QLatin1Char('\n')), 2) << run.err.toStdString();
    }
}
