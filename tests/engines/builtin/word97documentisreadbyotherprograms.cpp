// The saved sample is a genuine Word 97 document: `file` names a compound
// document, and antiword, catdoc, wvText and LibreOffice each find every
// field's text in it, in the order the resume gives it.
#include "builtinengine.h"
#include "sampledocument.h"
#include "support/testenvironment.h"

#include "automation/word/engine.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

struct Reader {
    const char *name;
    // The command, with %1 for the document and %2 for a scratch folder.
    QStringList arguments;
};

QString savedSample()
{
    static const QString path = [] {
        const QString folder = testsupport::freshFolder(QStringLiteral("word97readers"));
        auto application = engine::builtInEngine()->create();
        SampleDocument(*application).buildResume()->saveAs(folder + QStringLiteral("/resume.doc"));
        application->quit();
        return folder + QStringLiteral("/resume.doc");
    }();
    return path;
}

QString run(const QStringList &command, const QString &document, const QString &folder)
{
    QStringList arguments;
    for (const QString &argument : command.mid(1))
        arguments << QString(argument).replace(QLatin1String("%1"), document).replace(QLatin1String("%2"), folder);
    QProcess process;
    process.start(command.first(), arguments);
    if (!process.waitForFinished(180000))
        process.kill();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Where each text first appears after the previous one, or the first missing one.
QString firstOutOfOrder(const QString &output, const QStringList &texts)
{
    QString flat = output;
    flat.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
    qsizetype from = 0;
    for (const QString &text : texts) {
        QString wanted = text.simplified();
        const qsizetype at = flat.indexOf(wanted, from);
        if (at < 0)
            return wanted;
        from = at + wanted.size();
    }
    return QString();
}

class Word97Readers : public ::testing::TestWithParam<Reader> {};

} // namespace

TEST(EngineWord97Interop, FileNamesTheSampleACompoundDocument)
{
    if (QStandardPaths::findExecutable(QStringLiteral("file")).isEmpty())
        GTEST_SKIP() << "file is not installed";
    EXPECT_TRUE(run({QStringLiteral("file"), QStringLiteral("%1")}, savedSample(), QString())
                    .contains(QLatin1String("Composite Document File V2")));
}

TEST_P(Word97Readers, FindEveryFieldOfTheSampleInOrder)
{
    const Reader &reader = GetParam();
    if (QStandardPaths::findExecutable(reader.arguments.first()).isEmpty())
        GTEST_SKIP() << reader.arguments.first().toStdString() << " is not installed";
    const QString folder = testsupport::freshFolder(QStringLiteral("word97reader-") + QLatin1String(reader.name));
    QString output = run(reader.arguments, savedSample(), folder);
    QFile converted(folder + QStringLiteral("/resume.txt"));
    if (converted.open(QIODevice::ReadOnly))
        output += QString::fromUtf8(converted.readAll());
    EXPECT_EQ(firstOutOfOrder(output, SampleDocument::resumeTexts()), QString()) << output.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    EngineWord97Interop, Word97Readers,
    ::testing::Values(
        Reader{"antiword", {QStringLiteral("antiword"), QStringLiteral("-m"), QStringLiteral("UTF-8.txt"), QStringLiteral("%1")}},
        Reader{"catdoc", {QStringLiteral("catdoc"), QStringLiteral("-d"), QStringLiteral("utf-8"), QStringLiteral("%1")}},
        Reader{"wvText", {QStringLiteral("wvText"), QStringLiteral("%1"), QStringLiteral("/dev/stdout")}},
        Reader{"libreoffice",
               {QStringLiteral("soffice"), QStringLiteral("-env:UserInstallation=file://%2/profile"),
                QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("txt:Text (encoded):UTF8"),
                QStringLiteral("--outdir"), QStringLiteral("%2"), QStringLiteral("%1")}}),
    [](const ::testing::TestParamInfo<Reader> &info) { return std::string(info.param.name); });
