#pragma once
// The one outcome type of the core: whatever can fail in an expected way (a
// section the kernel refuses, a file that cannot be read or written, a value
// out of range, a solver that cannot go on) returns a Status or a Result<T>.
// The core never shows a message itself; the window turns the kind and the
// message into a dialog or the status bar, the batch tool prints "line N: ...".

#include <optional>
#include <string>
#include <utility>

namespace ribcraft {

enum class ErrorKind {
    None,                // success
    InvalidInput,        // a value or command the program cannot accept
    BadFile,             // a file that cannot be read or has no usable section
    KernelRefused,       // a numerical kernel refused its input (e.g. an invalid section)
    SolverFailed,        // a solver could not reach a result for this input
    BoundaryLayerFailed, // the boundary-layer routines could not go on (the window shows these in a message box)
    WriteFailed,         // a file could not be written whole
    NotAvailable,        // the result asked for does not exist for the present inputs
    Cancelled,           // the user cancelled
};

class [[nodiscard]] Status {
public:
    Status() = default;
    static Status Ok() { return {}; }
    static Status Error(ErrorKind kind, std::string message) { return Status(kind, std::move(message)); }

    bool ok() const { return m_kind == ErrorKind::None; }
    explicit operator bool() const { return ok(); }
    ErrorKind kind() const { return m_kind; }
    const std::string& message() const { return m_message; }

private:
    Status(ErrorKind kind, std::string message) : m_kind(kind), m_message(std::move(message)) {}
    ErrorKind m_kind = ErrorKind::None;
    std::string m_message;
};

// A value or the reason there is none.
template <typename T> class [[nodiscard]] Result {
public:
    Result(T value) : m_value(std::move(value)) {} // NOLINT: implicit by design
    Result(Status failure) : m_status(std::move(failure)) {
        if (m_status.ok()) m_status = Status::Error(ErrorKind::NotAvailable, "no result");
    }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    const Status& status() const { return m_status; }
    const T& value() const& { return *m_value; }
    T& value() & { return *m_value; }
    T&& value() && { return std::move(*m_value); }
    const T* operator->() const { return &*m_value; }
    const T& operator*() const { return *m_value; }

private:
    std::optional<T> m_value;
    Status m_status;
};

} // namespace ribcraft
