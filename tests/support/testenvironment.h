#pragma once

#include <QString>

namespace testsupport {

// The private folder this test run owns; removed when the run ends.
QString privateRoot();

// A fresh, empty folder inside the private root.
QString freshFolder(const QString &purpose);

// Points XDG_CONFIG_HOME at a fresh folder, so the settings file starts empty.
// Returns that folder.
QString freshSettingsFolder();

} // namespace testsupport
