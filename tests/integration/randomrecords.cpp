#include "randomrecords.h"

#include "entry/resumefields.h"

#include <QRandomGenerator>
#include <QStringList>

#include <random>

namespace {

// Each script's letters, and whether its words stand without spaces between them.
struct Script {
    QString letters;
    bool unspaced;
    QString fullStop;
};

const QString lineBreak = QStringLiteral("\r\n");

const std::vector<Script> &scripts()
{
    static const std::vector<Script> all = {
        {QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPRSTW"), false, QStringLiteral(".")},
        {QStringLiteral("αβγδεζηθικλμνξοπρστυφχψωάέήίόύώΑΒΓΔΕΚΛΜΠΣΤ"), false, QStringLiteral(".")},
        {QStringLiteral("абвгдеёжзийклмнопрстуфхцчшщыьэюяАБВГДКЛМНПРСТ"), false, QStringLiteral(".")},
        {QStringLiteral("的一是在不了有和人这中大为上个国我以要他时来用们生到作地于出就分对成会可主发年动同工也能下过子说产种面而方后多定行学法所民得经"),
         true, QStringLiteral("。")},
        {QStringLiteral("あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをん日本語会社仕事経験管理"),
         true, QStringLiteral("。")},
        {QStringLiteral("ابتثجحخدذرزسشصضطظعغفقكلمنهوي"), false, QStringLiteral(".")},
        {QStringLiteral("אבגדהוזחטיכלמנסעפצקרשתםןףץ"), false, QStringLiteral(".")},
        {QStringLiteral("aàáâäãåæçeèéêëiìíîïnñoòóôöøœuùúûüyÿßÉÈÇÖÜÅ"), false, QStringLiteral(".")},
    };
    return all;
}

// Picks a number below `count`. The engine's raw output is used rather than a
// standard distribution, whose results differ between standard libraries.
int below(std::mt19937 &random, int count)
{
    return static_cast<int>(random() % static_cast<unsigned>(count));
}

QString word(std::mt19937 &random, const Script &script)
{
    QString text;
    const int length = 1 + below(random, 10);
    for (int i = 0; i < length; ++i)
        text += script.letters.at(below(random, static_cast<int>(script.letters.size())));
    return text;
}

// Text of exactly `characters` characters: words and sentences, in lines
// joined by CR LF when `multiLine`.
QString text(std::mt19937 &random, const Script &script, int characters, bool multiLine)
{
    QString result;
    while (result.size() < characters) {
        const int roll = below(random, 40);
        if (multiLine && roll == 0 && !result.isEmpty()) {
            result += lineBreak;
        } else if (!result.isEmpty()) {
            if (roll < 4)
                result += script.fullStop;
            if (!script.unspaced)
                result += QLatin1Char(' ');
        }
        result += word(random, script);
    }
    result.truncate(characters);
    // A line break cut in two would leave a lone CR.
    if (result.endsWith(QLatin1Char('\r')))
        result.chop(1);
    return result;
}

// A field's length: most fields are empty or short, some long, a few as long as a field gets.
int fieldLength(std::mt19937 &random)
{
    const int roll = below(random, 20);
    if (roll < 5)
        return 0;
    if (roll < 14)
        return 1 + below(random, 40);
    if (roll < 18)
        return 41 + below(random, 260);
    return 301 + below(random, RandomRecords::longestFieldCharacters - 300);
}

} // namespace

FidelityRecord RandomRecords::record(unsigned seed)
{
    std::mt19937 random(seed);
    FidelityRecord record{QStringLiteral("Seed%1").arg(seed), {}};
    const auto &all = scripts();
    for (const entry::ResumeField &field : entry::resumeFields()) {
        // One field in four is in another script than plain Latin.
        const Script &script = below(random, 4) == 0 ? all.at(1 + below(random, static_cast<int>(all.size()) - 1))
                                                     : all.front();
        const int length = fieldLength(random);
        record.fields[QString::fromLatin1(field.name)] = text(random, script, length, field.multiLine);
    }
    return record;
}

std::vector<unsigned> RandomRecords::seeds(const std::vector<unsigned> &fixedSeeds, int count)
{
    std::vector<unsigned> given;
    for (const QString &text : qEnvironmentVariable("PARVOLIN_SEED").split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool number = false;
        const unsigned seed = text.trimmed().toUInt(&number);
        if (number)
            given.push_back(seed);
    }
    if (!given.empty())
        return given;
    if (!qEnvironmentVariableIsSet("PARVOLIN_FRESH_SEED"))
        return fixedSeeds;
    bool counted = false;
    const int wanted = qEnvironmentVariable("PARVOLIN_RECORD_COUNT").toInt(&counted);
    if (counted && wanted > 0)
        count = wanted;
    std::vector<unsigned> fresh;
    for (int i = 0; i < count; ++i)
        fresh.push_back(QRandomGenerator::system()->bounded(1u, 1000000000u));
    return fresh;
}
