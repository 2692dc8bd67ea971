#pragma once
#include <QString>

struct _xmlError;

// While alive, libxml2's complaints on this thread come here instead of standard error, so
// that a malformed ZEP.xml or path is reported once, in the program's own words. The
// previous handler is put back on destruction (others in the process use libxml2 too).
class LibxmlErrorTrap {
public:
    LibxmlErrorTrap();
    ~LibxmlErrorTrap();
    LibxmlErrorTrap(const LibxmlErrorTrap&) = delete;
    LibxmlErrorTrap& operator=(const LibxmlErrorTrap&) = delete;

    // The complaint that matters: the first fatal one, else the first one. The message
    // keeps libxml2's line end; empty when there was no complaint.
    const QString& message() const { return message_; }
    int line() const { return line_; }

private:
    static void collect(void* self, _xmlError* error);

    QString message_;
    int line_ = 0;
    bool fatal_ = false;
    void* previousContext_;
    void (*previousHandler_)(void*, _xmlError*);
};
