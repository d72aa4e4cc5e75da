#pragma once

#include "app/Platform.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <optional>
#include <stdexcept>
#include <utility>

namespace velmora::bench {

// A Platform for benchmarks: a fixed folder and clock; a message means the run went wrong.
class QuietPlatform : public Platform {
public:
    explicit QuietPlatform(QString folder) : folder_(std::move(folder)) {}
    QString ProgramFolder() const override { return folder_; }
    QDateTime Now() const override { return QDateTime(QDate(2026, 2, 3), QTime(9, 5)); }
    MsgAnswer MsgBox(QWidget*, const QString& text, const QString&, MsgStyle) override {
        throw std::runtime_error(text.toStdString());
    }
    std::optional<QString> InputBox(QWidget*, const QString&, const QString&,
                                    const QString&) override {
        return std::nullopt;
    }
    QString BrowseFolder(QWidget*, const QString&) override { return {}; }
    void EndProgram() override {}

private:
    QString folder_;
};

}  // namespace velmora::bench
