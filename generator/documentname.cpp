#include "documentname.h"

#include <QRegularExpression>
#include <QTime>
#include <chrono>

namespace generator {

DocumentNameDigits::DocumentNameDigits()
    : m_generator(std::random_device{}())
{
}

void DocumentNameDigits::reseedFromClock()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    const auto sinceMidnight = static_cast<unsigned>(QTime::currentTime().msecsSinceStartOfDay());
    std::seed_seq seed{static_cast<unsigned>(now), static_cast<unsigned>(now >> 32), sinceMidnight,
                       static_cast<unsigned>(m_generator())};
    m_generator.seed(seed);
}

int DocumentNameDigits::draw()
{
    // The integer part of (a uniform number in [0, 1) times 9) plus 1.
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    return static_cast<int>(uniform(m_generator) * 9) + 1;
}

bool isDocumentName(const QString &fileName)
{
    static const QRegularExpression form(QStringLiteral("^vandrel[1-9]{8}\\.doc$"));
    return form.match(fileName).hasMatch();
}

} // namespace generator
