#pragma once

#include <QString>

namespace velmora {

// What kind of failure a Status reports; callers that only show the message need not look.
enum class StatusCode {
    Ok,
    Failed,      // a run-time failure of the step itself
    ReadFailed,  // a file could not be read
};

// The outcome of an operation that can fail: ok, or a code and a message for the user that
// names what failed (the file, the line). Failures travel as values, never as exceptions.
class Status {
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

}  // namespace velmora
