#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace word {
class Application;
class Document;
} // namespace word

namespace generator {

// The current text of a resume field, by the name of its text box
// ("txtYourName"). It is asked at the moment the field is typed, so the
// document gets what the field holds then.
using FieldText = std::function<QString(const QString &fieldName)>;

// What the generator leaves for its later steps: its own word-processor
// instance and the resume document in it. Either is null when the step that
// should have made it failed; both are null when generation stopped at once.
struct GeneratedDocument {
    std::shared_ptr<word::Application> application;
    std::shared_ptr<word::Document> document;
    bool stoppedEarly = false;
};

// Builds the resume document from the fields in a new word-processor instance
// of its own. Asks first when an instance is already running and stops
// silently when the user declines. A failing step is reported with its number
// and the next step runs. The instance is left running with the document open.
GeneratedDocument GenerateResume(const FieldText &fieldText);

class DocumentNameDigits;
class PreviewHandOver;

// The whole procedure: builds the resume as above, then saves it under a fresh
// name in the temporary folder, quits the instance and hands the document to
// the preview, which is shown in place of the data-entry window.
void GenerateResume(const FieldText &fieldText, PreviewHandOver &handOver);
// The same with the name's digits drawn from `digits`.
void GenerateResume(const FieldText &fieldText, PreviewHandOver &handOver, DocumentNameDigits &digits);

} // namespace generator
