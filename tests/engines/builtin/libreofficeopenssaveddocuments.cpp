// LibreOffice opens what we save and finds in it what the resume asks for:
// the text in order, merged rows, the rules, bottom alignment, the fonts, the
// Wingdings bullet and minimum row heights. Checked on LibreOffice's own flat
// OpenDocument export of our files.
#include "builtinengine.h"
#include "sampledocument.h"
#include "support/testenvironment.h"

#include "automation/word/engine.h"
#include "automation/word/selection.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUuid>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <set>

namespace {

const QString literalMarkup = QStringLiteral("\\par {\\b not bold} \\u65? }{ \\'41 end");

struct Converted {
    QString resume;
    QString escapes;
    QString failure;
};

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// ctest runs each test in a process of its own; converting once per distinct
// input keeps the suite to one LibreOffice run. The key is the saved bytes and
// the LibreOffice installed, so any change to either converts afresh.
QString cacheFolder(const QString &soffice, const QString &folder)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const QFileInfo program(QFileInfo(soffice).canonicalFilePath());
    hash.addData(program.filePath().toUtf8() + QByteArray::number(program.lastModified().toMSecsSinceEpoch()));
    hash.addData(readFile(folder + QStringLiteral("/resume.doc")));
    hash.addData(readFile(folder + QStringLiteral("/escapes.doc")));
    return QDir::tempPath() + QStringLiteral("/parvolin-libreoffice-") + QString::fromLatin1(hash.result().toHex());
}

QString runLibreOffice(const QString &soffice, const QString &folder)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    // A profile of its own, so that no user setting or running instance interferes.
    process.start(soffice, {QStringLiteral("-env:UserInstallation=file://") + folder + QStringLiteral("/profile"),
                            QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("fodt"),
                            QStringLiteral("--outdir"), folder + QStringLiteral("/out"),
                            folder + QStringLiteral("/resume.doc"), folder + QStringLiteral("/escapes.doc")});
    if (!process.waitForFinished(180000) || process.exitCode() != 0) {
        process.kill();
        return QStringLiteral("soffice failed: ") + QString::fromLocal8Bit(process.readAll());
    }
    return QString();
}

// Saves the sample documents and has LibreOffice convert them.
Converted convertWithLibreOffice(const QString &soffice)
{
    const QString folder = testsupport::freshFolder(QStringLiteral("libreoffice"));
    auto application = engine::builtInEngine()->create();
    SampleDocument(*application).buildResume()->saveAs(folder + QStringLiteral("/resume.doc"));
    auto escapes = application->documents()->add();
    escapes->activeWindowSelection()->typeText(literalMarkup);
    escapes->saveAs(folder + QStringLiteral("/escapes.doc"));
    application->quit();

    Converted converted;
    const QString cache = cacheFolder(soffice, folder);
    if (!QFile::exists(cache + QStringLiteral("/escapes.fodt"))) {
        converted.failure = runLibreOffice(soffice, folder);
        if (!converted.failure.isEmpty())
            return converted;
        // Renaming a finished folder into place keeps parallel runs from seeing half a cache.
        const QString staging = cache + QStringLiteral(".") + QUuid::createUuid().toString(QUuid::Id128);
        QDir().rename(folder + QStringLiteral("/out"), staging);
        if (!QDir().rename(staging, cache))
            QDir(staging).removeRecursively();
    }
    converted.resume = QString::fromUtf8(readFile(cache + QStringLiteral("/resume.fodt")));
    converted.escapes = QString::fromUtf8(readFile(cache + QStringLiteral("/escapes.fodt")));
    return converted;
}

// The text of every paragraph of the body, one line each.
QString bodyText(const QString &xml)
{
    QXmlStreamReader reader(xml);
    QString text;
    bool inBody = false;
    while (!reader.atEnd()) {
        reader.readNext();
        const QStringView name = reader.name();
        if (reader.isStartElement() && name == QLatin1String("body"))
            inBody = true;
        else if (inBody && reader.isCharacters())
            text += reader.text();
        else if (inBody && reader.isStartElement() && name == QLatin1String("s"))
            text += QLatin1Char(' ');
        else if (inBody && reader.isEndElement() && (name == QLatin1String("p") || name == QLatin1String("h")))
            text += QLatin1Char('\n');
    }
    return text;
}

std::set<QString> matches(const QString &xml, const QString &pattern)
{
    std::set<QString> found;
    auto iterator = QRegularExpression(pattern).globalMatch(xml);
    while (iterator.hasNext())
        found.insert(iterator.next().captured(0));
    return found;
}

class EngineLibreOfficeInterop : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty()) {
            s_missing = true;
            return;
        }
        s_converted = convertWithLibreOffice(soffice);
    }

    void SetUp() override
    {
        if (s_missing) {
            // CI installs LibreOffice; there its absence is a failure, not a reason to skip.
            if (qEnvironmentVariableIsSet("CI"))
                FAIL() << "soffice is not installed, so the saved files cannot be checked";
            GTEST_SKIP() << "soffice is not installed";
        }
        ASSERT_TRUE(s_converted.failure.isEmpty()) << s_converted.failure.toStdString();
        ASSERT_FALSE(s_converted.resume.isEmpty()) << "LibreOffice produced no conversion of the resume";
    }

    static const QString &resume() { return s_converted.resume; }

    static inline bool s_missing = false;
    static inline Converted s_converted;
};

} // namespace

TEST_F(EngineLibreOfficeInterop, FindsAllTheTextInOrder)
{
    const QString text = bodyText(resume());
    qsizetype from = 0;
    for (const QString &expected : SampleDocument::resumeTexts()) {
        const qsizetype at = text.indexOf(expected, from);
        EXPECT_GE(at, 0) << "missing or out of order: " << expected.toStdString();
        from = at < 0 ? from : at + expected.size();
    }
    EXPECT_TRUE(text.contains(QStringLiteral("\u25CF 555-0100 \u25CF")));
}

TEST_F(EngineLibreOfficeInterop, ShowsTypedMarkupAsPlainText)
{
    EXPECT_TRUE(bodyText(s_converted.escapes).contains(literalMarkup)) << bodyText(s_converted.escapes).toStdString();
}

TEST_F(EngineLibreOfficeInterop, SeesMergedRowsAsOneCellSpanningThreeColumns)
{
    // Seventeen of the eighteen rows are merged; the details row keeps three cells.
    EXPECT_EQ(resume().count(QStringLiteral("table:number-columns-spanned=\"3\"")), 17);
    EXPECT_EQ(resume().count(QStringLiteral("<table:table-row ")), 18);
    EXPECT_EQ(resume().count(QStringLiteral("<table:table-column ")) + 0, 3)
        << "expected the 100/240/100 grid of three columns";
}

TEST_F(EngineLibreOfficeInterop, DrawsOnlyBottomRulesOfOneAndOneAndAHalfPoints)
{
    const std::set<QString> visible = matches(resume(), QStringLiteral("fo:border[a-z-]*=\"(?!none)[^\"]*\""));
    EXPECT_EQ(visible, (std::set<QString>{QStringLiteral("fo:border-bottom=\"1pt solid #000000\""),
                                          QStringLiteral("fo:border-bottom=\"1.5pt solid #000000\"")}));
}

TEST_F(EngineLibreOfficeInterop, AlignsCellsToTheBottom)
{
    EXPECT_TRUE(resume().contains(QStringLiteral("style:vertical-align=\"bottom\"")));
}

TEST_F(EngineLibreOfficeInterop, UsesTheFontsByName)
{
    for (const char *font : {"Calibri", "Tahoma", "Times New Roman"})
        EXPECT_TRUE(resume().contains(QStringLiteral("style:font-face style:name=\"%1\"").arg(QLatin1String(font))))
            << font;
}

TEST_F(EngineLibreOfficeInterop, BulletsAreTheWingdingsCharacterF0A7)
{
    // LibreOffice names the bullet's font by family or by font face, depending on the file it read.
    const QRegularExpression bullet(
        QStringLiteral("text:bullet-char=\"([^\"]*)\"[^§]*?(?:fo:font-family|style:font-name)=\"([^\"]*)\""));
    const auto match = bullet.match(resume());
    ASSERT_TRUE(match.hasMatch());
    EXPECT_EQ(match.captured(1), QString(QChar(0xF0A7)));
    EXPECT_EQ(match.captured(2), QStringLiteral("Wingdings"));
    EXPECT_EQ(resume().count(QStringLiteral("<text:list-item>")), 3);
}

TEST_F(EngineLibreOfficeInterop, RowHeightsAreMinimums)
{
    EXPECT_FALSE(resume().contains(QStringLiteral("style:row-height=")));
    const std::set<QString> heights = matches(resume(), QStringLiteral("style:min-row-height=\"[^\"]*\""));
    // 15, 25, 30, 40 and 50 points, in inches.
    for (const char *inches : {"0.2083in", "0.3472in", "0.4167in", "0.5556in", "0.6944in"})
        EXPECT_EQ(heights.count(QStringLiteral("style:min-row-height=\"%1\"").arg(QLatin1String(inches))), 1u) << inches;
}
