#pragma once

#include <QString>

namespace testsupport {

// Counts the times the settings file is put in place in its folder, as the
// system reports them: what the program wrote, seen from outside it.
class StoreWrites {
public:
    explicit StoreWrites(const QString &settingsFolder);
    ~StoreWrites();
    StoreWrites(const StoreWrites &) = delete;
    StoreWrites &operator=(const StoreWrites &) = delete;

    // Writes seen since this counter was made.
    quint64 count();

private:
    int m_descriptor = -1;
    quint64 m_count = 0;
};

} // namespace testsupport
