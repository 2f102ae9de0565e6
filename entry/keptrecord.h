#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace entry {

// The copy of the record that a command replacing it whole keeps in the
// store, so that its Undo is offered again after a crash or at the next start.
class KeptRecord {
public:
    // The store key of the copy, outside the record's own keys; empty text
    // there means nothing is kept.
    static QString key();

    // The stored form of the 34 field texts, in on-screen order.
    static QString encoded(const QStringList &record);

    // The 34 field texts of a stored copy, or nothing when it is not one.
    static std::optional<QStringList> decoded(const QString &text);
};

} // namespace entry
