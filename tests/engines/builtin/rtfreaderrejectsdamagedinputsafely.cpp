// The reader, fed damaged or arbitrary bytes, either reads a document or says
// what is wrong; it never crashes, hangs or builds more than the input holds.
// Whatever it accepts, the writer can write and the reader read back.
#include "builtinengine.h"
#include "randomdocument.h"
#include "sampledocument.h"
#include "storyinspection.h"

#include "formats/rtf/rtfreader.h"
#include "formats/rtf/rtfwriter.h"
#include "automation/word/engine.h"
#include "automation/failure.h"

#include <QFile>
#include <gtest/gtest.h>

#include <random>

namespace {

// The default run; PARVOLIN_FUZZ_INPUTS and PARVOLIN_FUZZ_SEED allow longer ones.
constexpr int defaultInputs = 400000;
constexpr unsigned defaultSeed = 20261208;

int inputsToTry()
{
    bool ok = false;
    const int inputs = qEnvironmentVariableIntValue("PARVOLIN_FUZZ_INPUTS", &ok);
    return ok && inputs > 0 ? inputs : defaultInputs;
}

unsigned seed()
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue("PARVOLIN_FUZZ_SEED", &ok);
    return ok ? static_cast<unsigned>(value) : defaultSeed;
}

const char *const fragments[] = {"{", "}", "\\", "\\par ", "\\cell ", "\\row ", "\\trowd", "\\cellx", "\\cellx-5",
                                 "\\intbl", "\\pard", "\\plain", "\\u-3929?", "\\u55357?", "\\'01", "\\'zz", ";",
                                 "\\ls1", "\\ls999", "\\f9999", "\\fs0", "\\b", "\\*\\foo ", "\\uc2", "\\bin5 ",
                                 "{\\list", "{\\listlevel", "{\\leveltext\\'05", "\\listid1", "\\trrh-100",
                                 "\\brdrw7", "\\clbrdrb", "\\brdrcf99", "99999999999", "\\-", "\\~", "\r\n",
                                 "{\\fonttbl{\\f0 A;}}", "{\\colortbl;\\red1;}", "\\rtf1", "}}}}", "{{{{{{{{"};

class Mutator {
public:
    explicit Mutator(unsigned seed) : m_random(seed) {}

    int below(int bound) { return static_cast<int>(m_random() % static_cast<unsigned>(std::max(bound, 1))); }

    QByteArray mutate(QByteArray bytes, const std::vector<QByteArray> &corpus)
    {
        const int edits = 1 + below(6);
        for (int i = 0; i < edits; ++i)
            edit(bytes, corpus);
        return bytes;
    }

    QByteArray randomBytes()
    {
        QByteArray bytes = below(2) ? QByteArray("{\\rtf1") : QByteArray();
        const int length = below(400);
        for (int i = 0; i < length; ++i)
            bytes += below(3) ? QByteArray(1, static_cast<char>(below(256))) : QByteArray(fragments[below(std::size(fragments))]);
        return bytes;
    }

private:
    void edit(QByteArray &bytes, const std::vector<QByteArray> &corpus)
    {
        const int at = below(static_cast<int>(bytes.size()) + 1);
        switch (below(8)) {
        case 0: if (at < bytes.size()) bytes[at] = static_cast<char>(bytes.at(at) ^ (1 << below(8))); break;
        case 1: if (at < bytes.size()) bytes[at] = "{}\\;0-9 ?'*"[below(11)]; break;
        case 2: bytes.insert(at, fragments[below(std::size(fragments))]); break;
        case 3: bytes.remove(at, below(64)); break;
        case 4: bytes.truncate(at); break;
        case 5: bytes.insert(at, bytes.mid(below(static_cast<int>(bytes.size())), below(200))); break;
        case 6: {
            const QByteArray &other = corpus[static_cast<size_t>(below(static_cast<int>(corpus.size())))];
            bytes = bytes.left(at) + other.mid(below(static_cast<int>(other.size())));
            break;
        }
        default: bytes.insert(at, QByteArray(below(80), "{}\\"[below(3)])); break;
        }
    }

    std::mt19937 m_random;
};

std::vector<QByteArray> validFiles()
{
    auto application = engine::builtInEngine()->create();
    std::vector<QByteArray> files;
    files.push_back(engine::RtfWriter::write(StoryInspection::model(*SampleDocument(*application).buildResume())));
    for (unsigned seed = 1; seed <= 30; ++seed)
        files.push_back(engine::RtfWriter::write(StoryInspection::model(*RandomDocument(*application, seed).build())));
    application->quit();
    return files;
}

// Reads `bytes`; returns true when they were accepted.
bool readOrReject(const QByteArray &bytes)
{
    try {
        const engine::DocumentModel model = engine::RtfReader::read(bytes);
        // Every position comes from at least one byte; nothing grows beyond the input.
        EXPECT_LE(model.story.size(), bytes.size() + 1);
        const QByteArray written = engine::RtfWriter::write(model);
        const QByteArray again = engine::RtfWriter::write(engine::RtfReader::read(written));
        EXPECT_EQ(written, again) << "accepted input that does not round-trip: " << bytes.toStdString();
        return true;
    } catch (const automation::Failure &error) {
        EXPECT_FALSE(error.description().isEmpty());
        return false;
    } catch (const std::exception &error) {
        if (qEnvironmentVariableIsSet("PARVOLIN_FUZZ_DUMP")) {
            QFile dump(qEnvironmentVariable("PARVOLIN_FUZZ_DUMP"));
            if (dump.open(QIODevice::WriteOnly))
                dump.write(bytes);
        }
        ADD_FAILURE() << error.what() << " on input: " << bytes.toPercentEncoding().left(2000).toStdString();
        return false;
    }
}

} // namespace

TEST(EngineRtfReaderRobustness, MutatedAndRandomInputsAreReadOrRejectedWithADescription)
{
    const std::vector<QByteArray> corpus = validFiles();
    Mutator mutator(seed());
    const int inputs = inputsToTry();
    int accepted = 0;
    int tried = 0;
    for (; tried < inputs && !HasFailure(); ++tried) {
        const int i = tried;
        const QByteArray input = i % 4 == 3 ? mutator.randomBytes()
                                            : mutator.mutate(corpus[static_cast<size_t>(i) % corpus.size()], corpus);
        accepted += readOrReject(input);
    }
    RecordProperty("inputs", tried);
    RecordProperty("accepted", accepted);
    std::cout << "tried " << tried << " inputs, " << accepted << " accepted" << std::endl;
}

TEST(EngineRtfReaderRobustness, DeepNestingAndHugeNumbersAreRefusedNotFollowed)
{
    const QByteArray deep = "{\\rtf1" + QByteArray(100000, '{') + QByteArray(100000, '}') + "}";
    const std::pair<QByteArray, const char *> cases[] = {
        {deep, "nested"},
        {"{\\rtf1\\fs99999999999}", "too many digits"},
        {"{\\rtf1\\fs2147483648 x}", "out of range"},
        {"{\\rtf1{\\*\\unknown" + QByteArray(100000, '{'), "truncated"},
        {"{\\rtf1 " + QByteArray(40, 'a') + "\\" + QByteArray(40, 'b') + "}", "longer than 32"},
        {"{\\rtf1\\trowd\\cellx100\\cellx50 x}", "right edge"},
        {"{\\rtf1 a} trailing", "after the end"},
        {"{\\rtf1\\pard\\intbl x\\cell}", "outside any table row"},
        {"{\\rtf1\\paperw99999 x}", "needs a number from 1440"},
        {"{\\rtf1\\paperw2000\\margl300\\margr300 x}", "less than an inch"},
    };
    for (const auto &[bytes, cause] : cases) {
        try {
            engine::RtfReader::read(bytes);
            ADD_FAILURE() << "accepted " << cause;
        } catch (const automation::Failure &error) {
            EXPECT_TRUE(error.description().contains(QLatin1String(cause))) << error.description().toStdString();
        }
    }
}
