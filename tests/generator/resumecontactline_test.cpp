// Row 1 of the resume: the address pieces are always joined; the phone number
// and the e-mail address each get a symbol only when they hold more than spaces.
#include "generator/resume.h"
#include "recordingengine.h"
#include "support/scripteddialogs.h"

#include <gtest/gtest.h>
#include <map>

namespace {

const QString symbol = "Selection.InsertSymbol(CharacterNumber=9679, Unicode=True, Bias=0)";

QString typed(const QString &text)
{
    return "Selection.TypeText(Text=\"" + text + "\")";
}

// The calls between the contact line's font size and its centring.
QStringList contactLineCalls(const std::map<QString, QString> &texts)
{
    testsupport::RecordingEngineSelection selection;
    testsupport::ScriptedDialogs dialogs;
    generator::GenerateResume([&](const QString &name) {
        const auto found = texts.find(name);
        return found == texts.end() ? QString() : found->second;
    });
    const QStringList actions = selection.engine().log().actions();
    const int first = actions.indexOf("Selection.Font.Size = 9");
    const int last = actions.indexOf("Selection.ParagraphFormat.Alignment = 1");
    EXPECT_TRUE(dialogs.errorReports().isEmpty());
    if (first < 0 || last < first)
        return {"contact line not found"};
    return actions.mid(first + 1, last - first - 1);
}

const std::map<QString, QString> address = {
    {"txtStreetAddress", "12 Elm Street"}, {"txtCity", "Springfield"}, {"txtZipCode", "12345"}};

std::map<QString, QString> addressWith(const QString &phone, const QString &email)
{
    auto texts = address;
    texts["txtPhone"] = phone;
    texts["txtEmail"] = email;
    return texts;
}

} // namespace

TEST(ResumeContactLine, NoPhoneAndNoEmailGiveOnlyTheAddress)
{
    const QStringList onlyAddress = {typed("12 Elm Street, Springfield 12345 ")};
    EXPECT_EQ(contactLineCalls(addressWith("", "")), onlyAddress);
    EXPECT_EQ(contactLineCalls(addressWith("   ", " ")), onlyAddress) << "spaces count as empty";
    // Only spaces are taken off for the test: a tab is text and gets its symbol.
    EXPECT_EQ(contactLineCalls(addressWith("\t", "")).value(1), symbol);
}

TEST(ResumeContactLine, AnEmptyAddressStillGivesTheCommaAndTheSpaces)
{
    const QStringList calls = contactLineCalls({{"txtPhone", "555-0100"}});
    EXPECT_EQ(calls, (QStringList{typed(",   "), symbol, typed(" 555-0100 ")}));
}

TEST(ResumeContactLine, AnEmailWithoutPhoneGetsOneSymbolAfterTheAddress)
{
    const QStringList calls = contactLineCalls(addressWith(" ", "jane@example.com"));
    EXPECT_EQ(calls, (QStringList{typed("12 Elm Street, Springfield 12345 "), symbol, typed(" jane@example.com")}));
}

TEST(ResumeContactLine, PhoneAndEmailAreTypedAsEnteredNotTrimmed)
{
    const QStringList calls = contactLineCalls(addressWith("  555-0100 ", " jane@example.com "));
    EXPECT_EQ(calls, (QStringList{typed("12 Elm Street, Springfield 12345 "), symbol, typed("   555-0100  "), symbol,
                                  typed("  jane@example.com ")}));
}
