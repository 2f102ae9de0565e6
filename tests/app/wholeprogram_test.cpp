#include "desktoprun.h"
#include "shell/settingsstore.h"
#include "support/enginesundertest.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool isLibreOffice(const std::string &engine)
{
    return engine == "libreoffice";
}

// The document's text: the built-in engine saves Rich Text Format, which is
// text already; LibreOffice saves binary Word 97, which antiword reads.
QByteArray documentText(const std::string &engine, const QString &path)
{
    if (!isLibreOffice(engine))
        return readAll(path);
    QProcess antiword;
    antiword.start(QStringLiteral("antiword"), {path});
    antiword.waitForFinished(60000);
    return antiword.readAllStandardOutput();
}

class RealProgramWithEngine : public ::testing::TestWithParam<std::string> {};

} // namespace

TEST_P(RealProgramWithEngine, CreateSaveGoBackChangeCreateAgainAndClose)
{
    const std::string engine = GetParam();
    if (!haveDesktopTools())
        GTEST_SKIP() << "no X server tools";
    testsupport::freshSettingsFolder();
    const QString temp = testsupport::freshFolder(QStringLiteral("program-temp"));
    const QString out = testsupport::freshFolder(QStringLiteral("program-out"));
    const QByteArray savedTemp = qgetenv("TEMP");
    qputenv("TEMP", QFile::encodeName(temp));
    testsupport::selectEngine(engine);
    qputenv("PARVOLIN_WAIT_TENTHS", isLibreOffice(engine) ? "600" : "150");
    const bool finished = runOnDesktop(QStringLiteral("create_save_back.sh"), {out}, isLibreOffice(engine) ? 300000 : 120000);
    qunsetenv("PARVOLIN_ENGINE");
    qputenv("TEMP", savedTemp);
    ASSERT_TRUE(finished);

    const QString events = QString::fromUtf8(readAll(out + QStringLiteral("/events.log")));
    EXPECT_FALSE(events.contains(QStringLiteral("error report"))) << events.toStdString();
    EXPECT_FALSE(events.contains(QStringLiteral("timed out"))) << events.toStdString();
    EXPECT_TRUE(events.endsWith(QStringLiteral("closed\n"))) << events.toStdString();

    const QByteArray generated = readAll(out + QStringLiteral("/generated1.doc"));
    // Rich Text Format from the built-in engine; the binary Word 97 format (a
    // compound file) from LibreOffice.
    EXPECT_TRUE(generated.startsWith(isLibreOffice(engine) ? QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")
                                                           : QByteArray("{\\rtf1")));
    EXPECT_EQ(readAll(out + QStringLiteral("/My Resume")), generated) << "the saved copy is the document, byte for byte";
    EXPECT_TRUE(documentText(engine, out + QStringLiteral("/generated1.doc")).contains("Marjorie L. Castellane"));
    EXPECT_TRUE(documentText(engine, out + QStringLiteral("/generated2.doc")).contains("Changed Name"));
    EXPECT_EQ(shell::SettingsStore().read(QStringLiteral("Your Name")), QStringLiteral("Changed Name"));
    EXPECT_EQ(readAll(out + QStringLiteral("/exit-status")).trimmed(), QByteArray("0"));
    const QStringList left = QDir(temp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    EXPECT_TRUE(left.isEmpty()) << "no temporary file or folder is left behind: " << left.join(QLatin1Char(' ')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Engines, RealProgramWithEngine, ::testing::ValuesIn(testsupport::enginesUnderTest()),
                         [](const auto &info) { return info.param; });
