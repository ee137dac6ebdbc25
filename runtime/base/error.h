// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

/// \file
/// RuntimeError, the runtime's one exception type, and the functions that raise its
/// arithmetic errors.

#include "runtime/runtime_export.h"

#include <QString>

#include <stdexcept>

/// Everything the runtime offers programs and control libraries: its errors, checked
/// numbers and text helpers, text files, forms with their controls and message boxes,
/// and the controls that control libraries make (runtime::components holds the rest of
/// the component system).
namespace runtime {

/// The one exception type of the runtime: a numbered error with a readable text.
/// The event dispatcher catches one that escapes a handler, shows it and carries on,
/// so a failing handler stops while the program and its data live on.
class RUNTIME_EXPORT RuntimeError : public std::runtime_error {
public:
    /// The numbers the runtime raises its errors with; a program may raise others.
    enum Number : int {
        InvalidProcedureCall = 5,         ///< An argument or an operation without a meaning: 0 / 0, a NaN.
        Overflow = 6,                     ///< A result beyond the range of its type.
        OutOfMemory = 7,                  ///< A list or a file too large to keep.
        SubscriptOutOfRange = 9,          ///< A number outside a collection's items.
        DivisionByZero = 11,              ///< A number other than 0 divided by 0.
        TypeMismatch = 13,                ///< A value of a kind that cannot become the kind asked for.
        InternalError = 51,               ///< An exception other than a RuntimeError escaped a handler.
        FileNotFound = 53,                ///< No file, or no folder, by that path.
        BadFileMode = 54,                 ///< A file used in a way its opening does not allow.
        DiskFull = 61,                    ///< No room left on the disk, or in the user's quota.
        InputPastEndOfFile = 62,          ///< A line read from a file that has none left.
        PermissionDenied = 70,            ///< The system refused access to a file.
        PathFileAccessError = 75,         ///< Any other failure of a file: a folder, a device, a read error.
        ObjectDestroyed = 91,             ///< A call to a control that has been destroyed.
        InvalidPropertyArrayIndex = 381,  ///< An index outside a list's entries.
        PropertyReadOnly = 383,           ///< A write to a property that can only be read.
        CannotCreateObject = 429,         ///< A control library or its control could not be found, checked or made.
        NotSupported = 438,               ///< A member identifier that the control does not have.
        WrongArguments = 450,             ///< The wrong number or kinds of arguments for a member.
        InvalidPicture = 481,             ///< A picture file that cannot be read as a picture.
        /// A late call from another thread than the window's, which alone may touch the
        /// control. Not a number like those above but a status word, 0x8001010E, as a signed
        /// number: the value hosts of such controls already test for.
        WrongThread = static_cast<int>(0x8001010Eu),
    };

    /// An error numbered `number` (a Number, or a program's own) that says `text`.
    RuntimeError(int number, const QString& text);

    /// The error's number.
    int number() const { return number_; }
    /// What the error says, as a message box shows it.
    QString text() const { return text_; }

private:
    int number_;
    QString text_;
};

/// Raises the RuntimeError Overflow, "Overflow".
[[noreturn]] RUNTIME_EXPORT void raiseOverflow();
/// Raises the RuntimeError DivisionByZero, "Division by zero".
[[noreturn]] RUNTIME_EXPORT void raiseDivisionByZero();
/// Raises the RuntimeError InvalidProcedureCall, "Invalid procedure call".
[[noreturn]] RUNTIME_EXPORT void raiseInvalidProcedureCall();

}  // namespace runtime
