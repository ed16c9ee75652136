#include "game/RuntimeError.h"

namespace pairfall {

RuntimeError::RuntimeError(Kind kind, const std::string& description)
    : std::runtime_error(description)
    , m_kind(kind)
{
}

RuntimeError RuntimeError::Overflow() { return { Kind::Overflow, "Overflow" }; }
RuntimeError RuntimeError::TypeMismatch() { return { Kind::TypeMismatch, "Type mismatch" }; }
RuntimeError RuntimeError::DivisionByZero() { return { Kind::DivisionByZero, "Division by zero" }; }
RuntimeError RuntimeError::SubscriptOutOfRange() { return { Kind::SubscriptOutOfRange, "Subscript out of range" }; }
RuntimeError RuntimeError::FileNotFound(const std::string& path) { return { Kind::FileNotFound, "File not found: " + path }; }

}
