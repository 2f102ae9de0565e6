#pragma once

#include <QString>

namespace preview {

// Where the save dialogs of the preview open: the folder the user last saved
// in, kept in the settings store under a key of its own; before any save the
// user's Documents folder, or home when there is none.
class SaveFolder {
public:
    // The settings key; it lies outside the resume record's keys.
    static constexpr const char *settingsKey = "Last Save Folder";

    static QString startFolder();
    // Remembers the folder that holds `savedFile`.
    static void remember(const QString &savedFile);
};

} // namespace preview
