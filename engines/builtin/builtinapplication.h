#pragma once

#include "automation/word/application.h"

#include <memory>

namespace engine {

struct ApplicationState;

// One instance of the built-in word processor. It is "running" from its
// creation until quit() or its destruction.
class BuiltInApplication : public word::Application,
                           public std::enable_shared_from_this<BuiltInApplication> {
public:
    static constexpr const char *productName = "Parvolin Writer";

    BuiltInApplication();
    ~BuiltInApplication() override;

    QString name() const override;
    std::shared_ptr<word::Documents> documents() override;
    std::shared_ptr<word::Document> activeDocument() override;
    std::shared_ptr<word::Selection> selection() override;
    double inchesToPoints(double inches) const override;
    void setDisplayAlerts(bool display) override;
    void quit() override;

    bool displayAlerts() const;
    bool hasQuit() const;

private:
    void ensureRunning() const;

    std::shared_ptr<ApplicationState> m_state;
};

} // namespace engine
