#pragma once

#include "automation/word/application.h"

namespace engines::libreoffice {

// A LibreOffice the user runs, as "attach to a running instance" finds it:
// it can be recognised by name and nothing else. The program never drives
// or ends the user's office, so every other member fails.
class UserOffice : public word::Application {
public:
    // Whether the user runs a LibreOffice process of their own: one this
    // program did not start, and not a headless background conversion.
    static bool isRunning();

    QString name() const override;
    std::shared_ptr<word::Documents> documents() override;
    std::shared_ptr<word::Document> activeDocument() override;
    std::shared_ptr<word::Selection> selection() override;
    double inchesToPoints(double inches) const override;
    void setDisplayAlerts(bool display) override;
    void quit() override;

private:
    [[noreturn]] static void refuse();
};

} // namespace engines::libreoffice
