#pragma once

#include <QByteArray>
#include <QIODevice>

namespace velmora::test {

// A device that takes the first `capacity` bytes and then fails every write, the way a full disk
// does; what it took is in Written().
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(qint64 capacity) : capacity_(capacity) { open(QIODevice::WriteOnly); }

    const QByteArray& Written() const { return written_; }

protected:
    qint64 readData(char*, qint64) override { return -1; }

    qint64 writeData(const char* data, qint64 size) override {
        const qint64 room = capacity_ - written_.size();
        if (room <= 0) {
            setErrorString(QStringLiteral(u"No space left on device"));
            return -1;
        }
        const qint64 taken = qMin(room, size);
        written_.append(data, taken);
        return taken;
    }

private:
    qint64 capacity_;
    QByteArray written_;
};

// A device that opens but fails every read, the way a damaged disk does.
class UnreadableDevice : public QIODevice {
public:
    UnreadableDevice() { open(QIODevice::ReadOnly); }

protected:
    qint64 readData(char*, qint64) override {
        setErrorString(QStringLiteral(u"Input/output error"));
        return -1;
    }
    qint64 writeData(const char*, qint64) override { return -1; }
};

}  // namespace velmora::test
