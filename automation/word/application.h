#pragma once

#include <QString>
#include <memory>

namespace word {

class Document;
class Documents;
class Selection;

// One running instance of a word processor.
class Application {
public:
    virtual ~Application() = default;

    // The default property: the product's name ("Microsoft Word" for Word).
    virtual QString name() const = 0;

    virtual std::shared_ptr<Documents> documents() = 0;
    virtual std::shared_ptr<Document> activeDocument() = 0;
    virtual std::shared_ptr<Selection> selection() = 0;
    virtual double inchesToPoints(double inches) const = 0;
    virtual void setDisplayAlerts(bool display) = 0;
    // Ends the instance; it is then no longer among the running ones.
    virtual void quit() = 0;
};

} // namespace word
