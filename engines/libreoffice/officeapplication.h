#pragma once

#include "automation/word/application.h"

#include <memory>

namespace engines::libreoffice {

struct ApplicationState;

// One private LibreOffice instance: started with the object, ended by quit()
// or, at the latest, by the object's destruction.
class OfficeApplication : public word::Application {
public:
    static constexpr const char *productName = "LibreOffice";

    // Starts the office and connects; throws automation::Failure when it cannot.
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
    void ensureRunning() const;
    // Ends the office whatever its state; whether it answered the request to terminate.
    bool endOffice();

    std::shared_ptr<ApplicationState> m_state;
};

} // namespace engines::libreoffice
