#include "apperror.h"
#include "messages.h"

AppError::AppError(const QString &message) : std::runtime_error(message.toStdString()), m_message(message)
{
}

bool runCommand(const std::function<void()> &command)
{
    try {
        command();
        return true;
    } catch (const AppError &error) {
        Messages::show(Messages::Kind::Error, error.message(), Messages::OK);
        return false;
    }
}
