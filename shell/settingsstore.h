#pragma once

#include <QString>

namespace shell {

// The per-user store of the resume: one string per key, under the application
// name "Tarnwick" and the section "Parvolin". Every call goes to the file: a
// write is on disk when it returns.
class SettingsStore {
public:
    static constexpr const char *applicationName = "Tarnwick";
    static constexpr const char *section = "Parvolin";

    // The value under `key`, or empty text when there is none. Throws
    // shell::Failure when the store cannot be read.
    QString read(const QString &key) const;

    // Replaces the value under `key`. Throws shell::Failure when the value did
    // not reach the disk.
    void write(const QString &key, const QString &value);

    // The file that holds the store: Tarnwick.conf in the user's configuration
    // folder ($XDG_CONFIG_HOME, else ~/.config), looked up on every call.
    static QString fileName();

    // How many writes this process has made, so that "no change, no write"
    // can be seen from outside.
    static quint64 writesSoFar();
};

} // namespace shell
