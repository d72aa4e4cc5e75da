#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace velmora::test {

// A fresh temporary folder for one test, removed afterwards, with helpers to lay files in it.
class TestFolder {
public:
    TestFolder();

    QString Path() const { return dir_.path(); }
    QString FilePath(const QString& name) const;

    // Writes bytes to name (sub-folders are made as needed); returns the file's path.
    QString Write(const QString& name, const QByteArray& bytes) const;
    QByteArray Read(const QString& name) const;
    void MakeFolder(const QString& name) const;

private:
    QTemporaryDir dir_;
};

// Code page 932 bytes of a text (fixtures are written the way the game writes its files).
QByteArray Cp932(const QString& text);

}  // namespace velmora::test
