// The Word 97 reader, fed damaged files, either reads a document or says what
// is wrong; it never crashes, loops or allocates beyond the file. Whatever it
// accepts, the writer writes and the reader reads back unchanged.
#include "builtinengine.h"
#include "randomdocument.h"
#include "sampledocument.h"
#include "storyinspection.h"

#include "formats/cfb/compoundfilereader.h"
#include "formats/cfb/compoundfilewriter.h"
#include "formats/documentformats.h"
#include "formats/word97/word97writer.h"
#include "automation/word/engine.h"
#include "automation/failure.h"

#include <QtEndian>
#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {

QByteArray sampleFile()
{
    auto application = engine::builtInEngine()->create();
    const QByteArray file = engine::Word97Writer::write(StoryInspection::model(*SampleDocument(*application).buildResume()));
    application->quit();
    return file;
}

void put32(QByteArray &bytes, qsizetype at, uint32_t value)
{
    qToLittleEndian(value, bytes.data() + at);
}

uint32_t get32(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<uint32_t>(bytes.constData() + at);
}

// The file with its WordDocument stream changed by `change`.
QByteArray withWordDocument(const QByteArray &file, const std::function<void(QByteArray &)> &change)
{
    const engine::CompoundFileReader reader(file);
    QByteArray wordDocument = reader.stream(QStringLiteral("WordDocument"));
    change(wordDocument);
    engine::CompoundFileWriter writer;
    writer.addStream(QStringLiteral("WordDocument"), wordDocument);
    for (const QString &name : {QStringLiteral("1Table"), QStringLiteral("\x05SummaryInformation")})
        writer.addStream(name, reader.stream(name));
    return writer.write();
}

qsizetype directoryEntry(const QByteArray &file, const QString &name)
{
    QByteArray utf16;
    for (QChar c : name)
        utf16 += QByteArray(1, static_cast<char>(c.unicode())) + QByteArray(1, '\0');
    return file.indexOf(utf16 + QByteArray(2, '\0'));
}

// Reads `bytes`: returns the failure's description, or an empty text once
// what was accepted writes and reads back to the same bytes.
QString readOrReject(const QByteArray &bytes)
{
    try {
        const QByteArray written = engine::Word97Writer::write(engine::DocumentFormats::read(bytes));
        EXPECT_EQ(written, engine::Word97Writer::write(engine::DocumentFormats::read(written)));
        return QString();
    } catch (const automation::Failure &error) {
        EXPECT_FALSE(error.description().isEmpty());
        return error.description();
    }
}

} // namespace

TEST(EngineWord97ReaderRobustness, DamagedChainsSizesAndControlDataAreRefusedWithTheirCause)
{
    const QByteArray good = sampleFile();
    const uint32_t directoryStart = get32(good, 48);
    const uint32_t fatSector = get32(good, 76);
    struct Case {
        const char *cause;
        std::function<void(QByteArray &)> damage;
    };
    const Case cases[] = {
        {"no compound file header", [](QByteArray &f) { f.truncate(300); }},
        {"broken sector chain in the directory",
         [&](QByteArray &f) { put32(f, (fatSector + 1) * 512 + 4 * directoryStart, directoryStart); }},
        {"broken sector chain in the directory", [](QByteArray &f) { put32(f, 48, 0x7FFFFFF0); }},
        {"more allocation sectors than the file holds", [](QByteArray &f) { put32(f, 44, 0x40000000); }},
        {"claims more bytes than the file holds",
         [](QByteArray &f) { put32(f, directoryEntry(f, QStringLiteral("WordDocument")) + 120, 0xFFFFFFF0); }},
        {"stream \"1Table\" is missing",
         [](QByteArray &f) { f[directoryEntry(f, QStringLiteral("1Table"))] = 'X'; }},
        {"piece table that does not cover the text",
         [](QByteArray &f) { f = withWordDocument(f, [](QByteArray &w) { put32(w, 64 + 4 * 3, 0x7FFFFFFF); }); }},
        {"fields, objects or breaks",
         [](QByteArray &f) { f = withWordDocument(f, [](QByteArray &w) { w[1024] = 0x13; w[1025] = 0; }); }},
        {"no Word document information block", [](QByteArray &f) { f = withWordDocument(f, [](QByteArray &w) { w[0] = 0; }); }},
    };
    for (const Case &c : cases) {
        QByteArray damaged = good;
        c.damage(damaged);
        const QString description = readOrReject(damaged);
        EXPECT_TRUE(description.contains(QLatin1String(c.cause))) << c.cause << ": " << description.toStdString();
    }
    for (qsizetype length = 0; length < good.size(); length += 97)
        EXPECT_FALSE(readOrReject(good.left(length)).isEmpty()) << "accepted the file cut at " << length;
}

TEST(EngineWord97ReaderRobustness, MutatedFilesAreReadOrRefusedWithADescription)
{
    auto application = engine::builtInEngine()->create();
    std::vector<QByteArray> corpus = {sampleFile()};
    for (unsigned seed = 1; seed <= 20; ++seed)
        corpus.push_back(engine::Word97Writer::write(StoryInspection::model(*RandomDocument(*application, seed).build())));
    application->quit();
    std::mt19937 random(20261209);
    const auto below = [&](qsizetype bound) { return static_cast<qsizetype>(random() % static_cast<unsigned>(bound)); };
    for (int i = 0; i < 20000 && !HasFailure(); ++i) {
        QByteArray bytes = corpus[static_cast<size_t>(i) % corpus.size()];
        for (int edit = below(8) + 1; edit > 0; --edit) {
            const qsizetype at = below(bytes.size());
            if (below(3) == 0)
                put32(bytes, std::min(at, bytes.size() - 4), static_cast<uint32_t>(random()));
            else
                bytes[at] = static_cast<char>(bytes.at(at) ^ (1 << below(8)));
        }
        readOrReject(bytes);
    }
}
