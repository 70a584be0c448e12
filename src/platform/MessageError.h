#pragma once

#include <QString>
#include <stdexcept>

// The program's own failures travel as their message text: what() is the text
// the user or the log sees, nothing more.
class MessageError : public std::runtime_error {
public:
    explicit MessageError(const QString& message) : std::runtime_error(message.toStdString()) {}
    explicit MessageError(const char* message) : std::runtime_error(message) {}

    QString message() const { return QString::fromUtf8(what()); }
};
