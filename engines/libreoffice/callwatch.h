#pragma once

namespace engines::libreoffice {

class OfficeProcess;

// Bounds every call into LibreOffice. While a call runs (the object lives),
// a watcher thread notes the time; a call that takes longer than the limit
// means an office that stopped answering, and the watcher kills the private
// offices, which ends the call with a failure instead of a hang. The limit is
// two minutes, or PARVOLIN_OFFICE_CALL_LIMIT_MS when set.
class CallWatch {
public:
    CallWatch();
    ~CallWatch();
    CallWatch(const CallWatch &) = delete;
    CallWatch &operator=(const CallWatch &) = delete;

    // The offices that a call past the limit ends.
    static void watch(OfficeProcess *process);
    static void unwatch(OfficeProcess *process);
};

} // namespace engines::libreoffice
