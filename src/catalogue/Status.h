#pragma once

#include <QString>
#include <optional>
#include <utility>

namespace velmora {

// What kind of failure a Status reports; callers that only show the message need not look.
enum class StatusCode {
    Ok,
    Failed,       // a run-time failure of the step itself
    ReadFailed,   // a file could not be read
    Unencodable,  // a text has characters the chosen encoding cannot hold
    OutOfRange,   // a number lies beyond the range of its type
};

// The outcome of an operation that can fail: ok, or a code and a message for the user that
// names what failed (the file, the line). Failures travel as values, never as exceptions, and
// cannot be dropped unseen: a caller handles, forwards or explicitly ignores them.
class [[nodiscard]] Status {
public:
    static Status Ok() { return Status(); }
    static Status Fail(QString message) { return Fail(StatusCode::Failed, std::move(message)); }
    static Status Fail(StatusCode code, QString message) {
        return Status(code, std::move(message));
    }

    bool ok() const { return code_ == StatusCode::Ok; }
    explicit operator bool() const { return ok(); }
    StatusCode code() const { return code_; }
    const QString& message() const { return message_; }

private:
    Status() = default;
    Status(StatusCode code, QString message) : code_(code), message_(std::move(message)) {}

    StatusCode code_ = StatusCode::Ok;
    QString message_;
};

// A value, or the Status saying why there is none; for operations that must hand something
// back when they succeed.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)) {}
    // failure must not be ok: a Result without a value always says why.
    Result(Status failure) : status_(std::move(failure)) {
        if (status_.ok()) status_ = Status::Fail(QString());
    }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const Status& status() const { return status_; }

    // Only when ok().
    const T& operator*() const& { return *value_; }
    T& operator*() & { return *value_; }
    T&& operator*() && { return *std::move(value_); }
    const T* operator->() const { return &*value_; }
    T* operator->() { return &*value_; }

    friend bool operator==(const Result& result, const T& value) {
        return result.ok() && *result == value;
    }

private:
    std::optional<T> value_;
    Status status_ = Status::Ok();
};

}  // namespace velmora
