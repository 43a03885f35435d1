#include "errors/RuntimeError.h"

RuntimeError::RuntimeError(int number, QString description)
    : m_number(number), m_description(description.isEmpty() ? standardDescription(number) : std::move(description)),
      m_what(QStringLiteral("%1 (%2)").arg(m_number).arg(m_description).toUtf8()) {}

QString RuntimeError::standardDescription(int number) {
    switch (number) {
    case ErrNo::InvalidCall:
        return QStringLiteral("Invalid procedure call or argument");
    case ErrNo::Overflow:
        return QStringLiteral("Overflow");
    case 7:
        return QStringLiteral("Out of memory");
    case ErrNo::SubscriptOutOfRange:
        return QStringLiteral("Subscript out of range");
    case ErrNo::DivisionByZero:
        return QStringLiteral("Division by zero");
    case ErrNo::TypeMismatch:
        return QStringLiteral("Type mismatch");
    case ErrNo::InternalError:
        return QStringLiteral("Internal error");
    case ErrNo::FileNotFound:
        return QStringLiteral("File not found");
    case ErrNo::PermissionDenied:
        return QStringLiteral("Permission denied");
    case ErrNo::PathFileAccess:
        return QStringLiteral("Path/File access error");
    case ErrNo::ResourceNotFound:
        return QStringLiteral("Resource not found");
    case ErrNo::ElementNotLoaded:
        return QStringLiteral("Control array element doesn't exist");
    case ErrNo::InvalidPropertyValue:
        return QStringLiteral("Invalid property value");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}

void raiseError(int number) {
    throw RuntimeError(number);
}
void raiseError(int number, const QString& description) {
    throw RuntimeError(number, description);
}
