#pragma once

#include <QString>
#include <random>

namespace generator {

// Draws the digits of a generated document's name: "vandrel" and eight digits
// from 1 to 9. The source is re-seeded from the clock before every digit, as
// the name's design asks, mixing in what it held so digits drawn within one
// clock tick still differ.
class DocumentNameDigits {
public:
    DocumentNameDigits();
    virtual ~DocumentNameDigits() = default;

    virtual void reseedFromClock();
    // A digit from 1 to 9, each equally likely.
    virtual int draw();

private:
    std::mt19937 m_generator;
};

// True for a file name of the generated documents' form: "vandrel", eight
// digits from 1 to 9, ".doc".
bool isDocumentName(const QString &fileName);

} // namespace generator
