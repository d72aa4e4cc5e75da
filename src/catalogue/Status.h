#pragma once

#include <QString>

namespace velmora {

// The outcome of an operation that can fail: ok, or a message for the user that names what
// failed (the file, the line).
class Status {
public:
    static Status Ok() { return Status(); }
    static Status Fail(QString message) { return Status(std::move(message)); }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const QString& message() const { return message_; }

private:
    Status() = default;
    explicit Status(QString message) : failed_(true), message_(std::move(message)) {}

    bool failed_ = false;
    QString message_;
};

}  // namespace velmora
