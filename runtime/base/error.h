#pragma once

#include <QString>

#include <stdexcept>

namespace runtime {

// The one exception type of the runtime: a numbered error with a readable text.
// The event dispatcher catches one that escapes a handler, shows it and carries on,
// so a failing handler stops while the program and its data live on.
class RuntimeError : public std::runtime_error {
public:
    enum Number : int {
        Overflow = 6,
        OutOfMemory = 7,
        SubscriptOutOfRange = 9,
        DivisionByZero = 11,
        BadFileMode = 54,
        FileNotFound = 53,
        InputPastEndOfFile = 62,
        DiskFull = 61,
        PermissionDenied = 70,
        PathFileAccessError = 75,
        InvalidProcedureCall = 5,
        InternalError = 51,
        CannotCreateObject = 429,
    };

    RuntimeError(int number, const QString& text);

    int number() const { return number_; }
    QString text() const { return text_; }

private:
    int number_;
    QString text_;
};

[[noreturn]] void raiseOverflow();

}  // namespace runtime
