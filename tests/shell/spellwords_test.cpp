// Which words of a field are handed to the spelling dictionary: names and
// numbers a dictionary cannot know must never be marked as mistakes.
#include "shell/spellwords.h"

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

QStringList wordsOf(const QString &text)
{
    QStringList words;
    for (const shell::WordSpan &word : shell::checkableWords(text))
        words.append(text.mid(word.start, word.length));
    return words;
}

struct Row {
    const char *text;
    QStringList words;
};

class CheckableWords : public ::testing::TestWithParam<Row> {};

TEST_P(CheckableWords, LeaveOutAddressesNumbersAndAbbreviations)
{
    EXPECT_EQ(wordsOf(QString::fromUtf8(GetParam().text)), GetParam().words) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CheckableWords,
    ::testing::Values(Row{"Jonh Smtih recieved", {"Jonh", "Smtih", "recieved"}},
                      Row{"(led) teams, won; awards.", {"led", "teams", "won", "awards"}},
                      Row{"don't O\u2019Brien's 'quoted'", {"don't", "O\u2019Brien's", "quoted"}},
                      Row{"jonh@exampel.com mailto:x@y", {}},
                      Row{"http://exampel.org/pth www.exampel.com exampel.co.uk/x", {}},
                      Row{"NASA ISBN CEO's 3rd 2x0 A4 Q3 teem2", {}},
                      Row{"well-knwon", {"well", "knwon"}},
                      Row{"I a x", {}},
                      Row{"Stra\u00dfe caf\u00e9 na\u0308ive", {"Stra\u00dfe", "caf\u00e9", "na\u0308ive"}}));

TEST(CheckableWordAt, FindsTheWordTouchingThePositionOnly)
{
    const QString text = QStringLiteral("see recieved, www.x.org");
    const auto at = [&text](int position) {
        const auto word = shell::checkableWordAt(text, position);
        return word ? text.mid(word->start, word->length) : QStringLiteral("<none>");
    };
    EXPECT_EQ(at(4), QStringLiteral("recieved"));
    EXPECT_EQ(at(12), QStringLiteral("recieved"));
    EXPECT_EQ(at(13), QStringLiteral("<none>"));
    EXPECT_EQ(at(20), QStringLiteral("<none>"));
    EXPECT_EQ(at(99), QStringLiteral("<none>"));
}

} // namespace
