#include "resume.h"

#include "resumeheader.h"
#include "resumesections.h"
#include "resumeselection.h"
#include "resumesession.h"
#include "wordrunning.h"

namespace Resume {

GeneratedDocument GenerateResume(const FieldText &fieldText)
{
    ResumeSession session(fieldText);
    // The user may stop here when another instance runs; nothing has been
    // started yet, so stopping leaves nothing behind and says nothing more.
    bool stop = false;
    session.run(100, [&] { stop = WarnIfWordRunning(); });
    if (stop)
        return {nullptr, nullptr, true};

    // Every later step runs even when starting the instance fails: each one
    // then reports its own failure.
    session.startWord(102);
    session.addDocument(104);
    ResumeSelection selection(session);
    writeTableAndHeader(session, selection);
    writeSections(session, selection);
    return session.result();
}

} // namespace Resume
