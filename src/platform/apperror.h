#pragma once

#include <QString>
#include <functional>
#include <stdexcept>

// An error that ends the current command and is shown to the user in an
// error box, after which the program goes on running.
class AppError : public std::runtime_error
{
public:
    explicit AppError(const QString &message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

// Runs one user command; an AppError it throws is shown as an error box.
// Returns false when the command ended with an error.
bool runCommand(const std::function<void()> &command);
