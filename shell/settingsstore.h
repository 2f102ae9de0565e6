#pragma once

#include <QString>

namespace shell {

// The per-user store of the resume: one string per key, under the application
// name "Tarnwick" and the section "Parvolin". Every call goes to the file: a
// write is in the file when it returns, and a failed write leaves the file as
// it was. Reading never depends on whether writing works. A write does not
// wait for the disk: the file is replaced whole at once, and brought to stable
// storage by a thread of its own right after.
class SettingsStore {
public:
    static constexpr const char *applicationName = "Tarnwick";
    static constexpr const char *section = "Parvolin";

    // The value under `key`, or empty text when there is none. Throws
    // automation::Failure when the store cannot be read, or when the value is
    // damaged in a way the program never writes (it is then not guessed at).
    QString read(const QString &key) const;

    // Replaces the value under `key`. Throws automation::Failure when the value did
    // not reach the file.
    void write(const QString &key, const QString &value);

    // The file that holds the store: Tarnwick.conf in the user's configuration
    // folder ($XDG_CONFIG_HOME, else ~/.config), looked up on every call.
    static QString fileName();
};

} // namespace shell
