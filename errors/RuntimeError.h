#pragma once
// A run-time error as the program reports it: a classic error number and its description.

#include <QString>
#include <exception>

namespace ErrNo {
constexpr int InvalidCall = 5;
constexpr int Overflow = 6;
constexpr int SubscriptOutOfRange = 9;
constexpr int DivisionByZero = 11;
constexpr int TypeMismatch = 13;
constexpr int InternalError = 51;
constexpr int FileNotFound = 53;
constexpr int PermissionDenied = 70;
constexpr int PathFileAccess = 75;
constexpr int ResourceNotFound = 326;
constexpr int ElementNotLoaded = 340;
constexpr int InvalidPropertyValue = 380;
} // namespace ErrNo

class RuntimeError : public std::exception {
public:
    explicit RuntimeError(int number, QString description = {});

    int number() const { return m_number; }
    const QString& description() const { return m_description; }
    const char* what() const noexcept override { return m_what.constData(); }

    // The standard description of a classic error number ("Overflow" for 6).
    static QString standardDescription(int number);

private:
    int m_number;
    QString m_description;
    QByteArray m_what;
};

// Throws the run-time error with this number and its standard description.
[[noreturn]] void raiseError(int number);
[[noreturn]] void raiseError(int number, const QString& description);
