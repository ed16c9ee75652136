#pragma once

#include <stdexcept>
#include <string>

namespace pairfall {

// The program's one kind of run-time error.  Its description is meant for
// the player: the window's error boundary shows it as it stands.
class RuntimeError : public std::runtime_error {
public:
    enum class Kind { Overflow,
        TypeMismatch,
        DivisionByZero,
        FileNotFound,
        BadPicture,
        SettingsWrite,
        SubscriptOutOfRange };

    RuntimeError(Kind kind, const std::string& description);

    Kind kind() const { return m_kind; }
    std::string description() const { return what(); }

    static RuntimeError Overflow();
    static RuntimeError TypeMismatch();
    static RuntimeError DivisionByZero();
    static RuntimeError SubscriptOutOfRange();
    static RuntimeError FileNotFound(const std::string& path);

private:
    Kind m_kind;
};

}
