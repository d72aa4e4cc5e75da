#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdlib>

// The one setting.ini a settings fuzz target works on, in a temporary folder of its own.
inline QString SettingsFuzzPath() {
    static QTemporaryDir folder;
    static const QString path = QDir(folder.path()).filePath(QStringLiteral("setting.ini"));
    return path;
}

inline QByteArray ReadWhole(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) std::abort();
    return file.readAll();
}

inline void WriteWhole(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

// The sections and keys the program uses, in a few spellings (names compare without case).
inline const QString& FuzzSection(unsigned pick) {
    static const QString sections[] = {QStringLiteral("Setting"), QStringLiteral("SaveData"),
                                       QStringLiteral("setting"), QStringLiteral("Other")};
    return sections[pick % 4];
}

inline const QString& FuzzKey(unsigned pick) {
    static const QString keys[] = {
        QStringLiteral("path"),  QStringLiteral("class"),      QStringLiteral("level"),
        QStringLiteral("skill"), QStringLiteral("decoration"), QStringLiteral("defaultformation"),
        QStringLiteral("No1"),   QStringLiteral("no8"),        QStringLiteral("Path")};
    return keys[pick % 9];
}
