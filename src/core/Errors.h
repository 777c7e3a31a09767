#pragma once

#include <QString>
#include <stdexcept>

namespace orvex {

// Base of every error the program reports to the user with its own text.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

// An engine failure; what() is the engine's own text.
class DbError : public Error {
public:
    using Error::Error;
};

// A file that could not be read or written; the text names the file and the reason.
class FileError : public Error {
public:
    using Error::Error;
};

// A text that should have held a whole number and did not.
class ConversionError : public Error {
public:
    using Error::Error;
};

}  // namespace orvex
