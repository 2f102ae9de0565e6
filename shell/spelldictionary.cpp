#include "spelldictionary.h"

#include "safewrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <hunspell.hxx>

namespace shell {
namespace {

QStringList readWordList(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList words;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QString word = QString::fromUtf8(line).trimmed();
        if (!word.isEmpty())
            words.append(word);
    }
    return words;
}

} // namespace

std::unique_ptr<SpellDictionary> SpellDictionary::forUserLanguage()
{
    return std::make_unique<SpellDictionary>(findDictionary(dictionaryFolder(), userLanguage()), wordListPath());
}

QString SpellDictionary::dictionaryFolder()
{
    const QString chosen = qEnvironmentVariable("PARVOLIN_DICTIONARY_FOLDER");
    return chosen.isEmpty() ? QStringLiteral("/usr/share/hunspell") : chosen;
}

QString SpellDictionary::userLanguage()
{
    // The same order the C library gives these variables for messages.
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        QString value = qEnvironmentVariable(variable);
        if (value.isEmpty())
            continue;
        // "de_DE.UTF-8@euro" names the language de_DE.
        value = value.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
        if (value == QLatin1String("C") || value == QLatin1String("POSIX") || value.isEmpty())
            break;
        return value;
    }
    return QStringLiteral("en_US");
}

QString SpellDictionary::findDictionary(const QString &folder, const QString &language)
{
    const QDir dir(folder);
    const auto usable = [&dir](const QString &name) {
        return dir.exists(name + QLatin1String(".dic")) && dir.exists(name + QLatin1String(".aff"));
    };
    const QString base = language.section(QLatin1Char('_'), 0, 0);
    // The language itself, then its other regions, then English.
    for (const QString &wanted : {language, base, QStringLiteral("en_US"), QStringLiteral("en")}) {
        if (usable(wanted))
            return dir.filePath(wanted + QLatin1String(".dic"));
        const QString family = wanted.section(QLatin1Char('_'), 0, 0) + QLatin1Char('_');
        for (const QString &file : dir.entryList({family + QLatin1String("*.dic")}, QDir::Files, QDir::Name)) {
            if (usable(QFileInfo(file).completeBaseName()))
                return dir.filePath(file);
        }
    }
    return QString();
}

QString SpellDictionary::wordListPath()
{
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty())
        data = QDir::homePath() + QLatin1String("/.local/share");
    return data + QLatin1String("/parvolin/words");
}

SpellDictionary::SpellDictionary(const QString &dicPath, const QString &wordListPath)
    : m_wordListPath(wordListPath)
{
    if (dicPath.isEmpty())
        return;
    QString affPath = dicPath;
    affPath.replace(affPath.size() - 4, 4, QLatin1String(".aff"));
    m_hunspell = std::make_unique<Hunspell>(QFile::encodeName(affPath).constData(),
                                            QFile::encodeName(dicPath).constData());
    m_encoding = QByteArray::fromStdString(m_hunspell->get_dict_encoding());
    // A dictionary in an encoding this build cannot convert would call every
    // word wrong; better to check nothing.
    if (!QStringEncoder(m_encoding.constData()).isValid()) {
        m_hunspell.reset();
        return;
    }
    m_ownWords = readWordList(m_wordListPath);
    for (const QString &word : std::as_const(m_ownWords))
        add(word);
}

SpellDictionary::~SpellDictionary() = default;

bool SpellDictionary::isCorrect(const QString &word)
{
    if (!m_hunspell)
        return true;
    bool ok = false;
    const std::string encoded = encode(word, &ok);
    // A word the dictionary cannot even spell is not one it can judge.
    return !ok || m_hunspell->spell(encoded);
}

QStringList SpellDictionary::suggestions(const QString &word, int most)
{
    if (!m_hunspell)
        return {};
    bool ok = false;
    const std::string encoded = encode(word, &ok);
    if (!ok)
        return {};
    QStringList found;
    for (const std::string &suggestion : m_hunspell->suggest(encoded)) {
        if (found.size() == most)
            break;
        found.append(decode(suggestion));
    }
    return found;
}

void SpellDictionary::add(const QString &word)
{
    if (!m_hunspell)
        return;
    bool ok = false;
    const std::string encoded = encode(word, &ok);
    if (ok)
        m_hunspell->add(encoded);
    if (m_ownWords.contains(word))
        return;
    m_ownWords.append(word);
    QDir().mkpath(QFileInfo(m_wordListPath).path());
    replaceFileSyncingLater(m_wordListPath, (m_ownWords.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
}

std::string SpellDictionary::encode(const QString &word, bool *ok) const
{
    QStringEncoder encoder(m_encoding.constData());
    const QByteArray bytes = encoder.encode(word);
    *ok = !encoder.hasError();
    return bytes.toStdString();
}

QString SpellDictionary::decode(const std::string &word) const
{
    QStringDecoder decoder(m_encoding.constData());
    return decoder.decode(QByteArray::fromStdString(word));
}

} // namespace shell
