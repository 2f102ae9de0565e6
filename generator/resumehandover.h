#pragma once

#include <QString>

namespace generator {

class DocumentNameDigits;
class PreviewHandOver;
class ResumeSession;

// The generator's last steps: saves the document under a fresh name in the
// temporary folder, closes and quits the instance, has the pages rendered and
// shows the preview in place of the data-entry window. Returns the path.
QString saveAndHandOver(ResumeSession &session, PreviewHandOver &handOver, DocumentNameDigits &digits);

} // namespace generator
