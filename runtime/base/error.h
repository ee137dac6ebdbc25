#pragma once

#include "runtime/runtime_export.h"

#include <QString>

#include <stdexcept>

namespace runtime {

// The one exception type of the runtime: a numbered error with a readable text.
// The event dispatcher catches one that escapes a handler, shows it and carries on,
// so a failing handler stops while the program and its data live on.
class RUNTIME_EXPORT RuntimeError : public std::runtime_error {
public:
    enum Number : int {
        InvalidProcedureCall = 5,
        Overflow = 6,
        OutOfMemory = 7,
        SubscriptOutOfRange = 9,
        DivisionByZero = 11,
        TypeMismatch = 13,
        InternalError = 51,
        FileNotFound = 53,
        BadFileMode = 54,
        DiskFull = 61,
        InputPastEndOfFile = 62,
        PermissionDenied = 70,
        PathFileAccessError = 75,
        ObjectDestroyed = 91,
        InvalidPropertyArrayIndex = 381,
        PropertyReadOnly = 383,
        CannotCreateObject = 429,
        NotSupported = 438,
        WrongArguments = 450,
        InvalidPicture = 481,
        // A late call from another thread than the window's, which alone may touch the
        // control. Not a number like those above but a status word, 0x8001010E, as a signed
        // number: the value hosts of such controls already test for.
        WrongThread = static_cast<int>(0x8001010Eu),
    };

    RuntimeError(int number, const QString& text);

    int number() const { return number_; }
    QString text() const { return text_; }

private:
    int number_;
    QString text_;
};

[[noreturn]] RUNTIME_EXPORT void raiseOverflow();
[[noreturn]] RUNTIME_EXPORT void raiseDivisionByZero();
[[noreturn]] RUNTIME_EXPORT void raiseInvalidProcedureCall();

}  // namespace runtime
