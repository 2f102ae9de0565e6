// A new document's paper comes from PAPERSIZE, else the paper file (PAPERCONF
// or the system's), else the locale, else Letter; only A4 is told apart from
// Letter. Every source is set up here, in a private folder, never the real one.
#include "automation/paper.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

#include <optional>

namespace {

using automation::a4Paper;
using automation::letterPaper;
using automation::PaperSize;

struct PaperCase {
    const char *name;
    QByteArray papersize;                  // null: unset
    std::optional<QByteArray> paperconf;   // the PAPERCONF file's text; nullopt: variable unset
    std::optional<QByteArray> systemFile;  // the system paper file's text; nullopt: no such file
    QByteArray locale;                     // LC_ALL
    PaperSize expected;
};

void PrintTo(const PaperCase &row, std::ostream *out)
{
    *out << row.name;
}

// Writes `text` to `path` when there is one.
void writeIfGiven(const QString &path, const std::optional<QByteArray> &text)
{
    if (!text)
        return;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(*text);
}

class PaperFollowsTheSystemSettings : public ::testing::TestWithParam<PaperCase> {};

} // namespace

TEST_P(PaperFollowsTheSystemSettings, InLibpapersOrder)
{
    const PaperCase &row = GetParam();
    const QString folder = testsupport::freshFolder(QStringLiteral("paper"));
    const QString confPath = folder + QStringLiteral("/paperconf");
    const QString systemPath = folder + QStringLiteral("/papersize");
    writeIfGiven(confPath, row.paperconf);
    writeIfGiven(systemPath, row.systemFile);
    const testsupport::ScopedVariable papersize("PAPERSIZE", row.papersize);
    const testsupport::ScopedVariable paperconf("PAPERCONF", row.paperconf ? QFile::encodeName(confPath) : QByteArray());
    const testsupport::ScopedVariable all("LC_ALL", row.locale);
    const PaperSize paper = automation::userPaper(systemPath);
    EXPECT_EQ(paper.widthTwips, row.expected.widthTwips);
    EXPECT_EQ(paper.heightTwips, row.expected.heightTwips);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, PaperFollowsTheSystemSettings,
    ::testing::Values(
        PaperCase{"PapersizeWinsOverTheFiles", "a4", QByteArray("letter\n"), QByteArray("letter\n"), "C", a4Paper},
        PaperCase{"PapersizeLetterWinsOverAnA4File", "Letter", std::nullopt, QByteArray("a4\n"), "C", letterPaper},
        PaperCase{"PapersizeIgnoresCaseAndSpace", " A4 ", std::nullopt, std::nullopt, "C", a4Paper},
        PaperCase{"AnyOtherPaperNameIsLetter", "legal", std::nullopt, QByteArray("a4\n"), "C", letterPaper},
        PaperCase{"EmptyPapersizeFallsToThePaperconfFile", "", QByteArray("# chosen by the admin\n\n  a4  \n"),
                  QByteArray("letter\n"), "C", a4Paper},
        PaperCase{"PaperconfStandsForTheSystemFile", QByteArray(), QByteArray("letter"), QByteArray("a4\n"), "C",
                  letterPaper},
        PaperCase{"TheSystemFileWithoutPaperconf", QByteArray(), std::nullopt, QByteArray("a4\n"), "C", a4Paper},
        PaperCase{"CommentsInTheFileAreNotPaperNames", QByteArray(), std::nullopt, QByteArray("# a4\nletter a4\n"),
                  "C", letterPaper},
        PaperCase{"AFileWithoutANameFallsToTheLocale", QByteArray(), std::nullopt, QByteArray("# nothing\n"), "C",
                  letterPaper},
        // glibc's C locale reports A4, but it belongs to no region.
        PaperCase{"TheCLocaleSaysNothingAboutPaper", QByteArray(), std::nullopt, std::nullopt, "C.UTF-8",
                  letterPaper},
        PaperCase{"ALocaleThatIsNotInstalledSaysNothing", QByteArray(), std::nullopt, std::nullopt,
                  "xx_NOWHERE.UTF-8", letterPaper}),
    [](const ::testing::TestParamInfo<PaperCase> &info) { return std::string(info.param.name); });

// The locale decides where no variable or file does: a British locale gives
// A4, an American one Letter. Both are compiled into a private folder.
TEST(PaperFollowsTheLocale, WhereNoVariableOrFileDecides)
{
    if (!QFile::exists(QStringLiteral("/usr/share/i18n/locales/en_GB")))
        GTEST_SKIP() << "the locale sources (package locales) are not installed";
    const QString folder = testsupport::freshFolder(QStringLiteral("locales"));
    for (const char *name : {"en_GB", "en_US"}) {
        const int exitCode = QProcess::execute(QStringLiteral("localedef"),
                                               {QStringLiteral("-i"), QString::fromLatin1(name), QStringLiteral("-f"),
                                                QStringLiteral("UTF-8"),
                                                folder + QLatin1Char('/') + QString::fromLatin1(name) + QStringLiteral(".UTF-8")});
        ASSERT_EQ(exitCode, 0) << "localedef could not compile " << name;
    }
    const testsupport::ScopedVariable papersize("PAPERSIZE", QByteArray());
    const testsupport::ScopedVariable paperconf("PAPERCONF", QFile::encodeName(folder + QStringLiteral("/none")));
    const testsupport::ScopedVariable path("LOCPATH", QFile::encodeName(folder));
    const testsupport::ScopedVariable all("LC_ALL", QByteArray());
    const testsupport::ScopedVariable lang("LANG", "en_US.UTF-8");
    {
        const testsupport::ScopedVariable paper("LC_PAPER", "en_GB.UTF-8");
        EXPECT_EQ(automation::userPaper(), a4Paper) << "LC_PAPER decides before LANG";
    }
    const testsupport::ScopedVariable paper("LC_PAPER", QByteArray());
    EXPECT_EQ(automation::userPaper(), letterPaper);
}
