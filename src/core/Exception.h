#pragma once

#include "core/Text.h"

#include <exception>

// A platform error: a file that cannot be read or created, a text too large to hold. The
// conversion raises these and catches none; the window shows Message() in its error box and the
// command-line tool prints it after the file's name.
class Exception : public std::exception {
public:
    explicit Exception(Text message);

    // The text shown to the user.
    [[nodiscard]] const Text& Message() const noexcept { return FMessage; }
    [[nodiscard]] const char* what() const noexcept override { return FMessage.c_str(); }

private:
    Text FMessage;
};

// A file that cannot be opened or read whole: "Cannot open file <path>".
class EFOpenError : public Exception {
public:
    explicit EFOpenError(const Text& path);
};

// A file that cannot be created or replaced: "Cannot create file <path>".
class EFCreateError : public Exception {
public:
    explicit EFCreateError(const Text& path);
};

// A line list asked to hold more than its capacity: "Text exceeds memo capacity".
class ECapacityError : public Exception {
public:
    ECapacityError();
};
