#include "resume.h"

#include "documentname.h"
#include "resumehandover.h"
#include "resumeheader.h"
#include "resumesections.h"
#include "resumeselection.h"
#include "resumesession.h"
#include "wordrunning.h"

namespace generator {

namespace {

// Steps 100 to 580; false when the user chose to stop at the first.
bool buildDocument(ResumeSession &session)
{
    // The user may stop here when another instance runs; nothing has been
    // started yet, so stopping leaves nothing behind and says nothing more.
    bool stop = false;
    session.run(100, [&] { stop = WarnIfWordRunning(); });
    if (stop)
        return false;

    // Every later step runs even when starting the instance fails: each one
    // then reports its own failure.
    session.startWord(102);
    session.addDocument(104);
    ResumeSelection selection(session);
    writeTableAndHeader(session, selection);
    writeSections(session, selection);
    return true;
}

} // namespace

GeneratedDocument GenerateResume(const FieldText &fieldText)
{
    ResumeSession session(fieldText);
    if (!buildDocument(session))
        return {nullptr, nullptr, true};
    return session.result();
}

void GenerateResume(const FieldText &fieldText, PreviewHandOver &handOver)
{
    DocumentNameDigits digits;
    GenerateResume(fieldText, handOver, digits);
}

void GenerateResume(const FieldText &fieldText, PreviewHandOver &handOver, DocumentNameDigits &digits)
{
    ResumeSession session(fieldText);
    if (buildDocument(session))
        saveAndHandOver(session, handOver, digits);
}

} // namespace generator
