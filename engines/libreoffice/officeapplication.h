#pragma once

#include "automation/word/application.h"

#include <memory>

namespace engines::libreoffice {

struct ApplicationState;

// One instance of LibreOffice as Word's object model sees an application: its
// own documents, each in a frame of its own, in the program's one private
// office (which the instance finds at its first call). quit() closes what the
// instance opened, as does its destruction; the office runs on for the next
// instance.
class OfficeApplication : public word::Application {
public:
    static constexpr const char *productName = "LibreOffice";

    // Throws automation::Failure when no office could be started.
    OfficeApplication();
    ~OfficeApplication() override;

    QString name() const override;
    std::shared_ptr<word::Documents> documents() override;
    std::shared_ptr<word::Document> activeDocument() override;
    std::shared_ptr<word::Selection> selection() override;
    double inchesToPoints(double inches) const override;
    void setDisplayAlerts(bool display) override;
    void quit() override;

private:
    // Finds the office at the first call, and fails once the instance quit or its office ended.
    void ensureRunning() const;
    // Closes the instance's documents without saving.
    void closeDocuments();

    std::shared_ptr<ApplicationState> m_state;
};

} // namespace engines::libreoffice
