#include "system/FileReplace.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>

#include <windows.h>

namespace velmora {

namespace {

// The system's words for the last error, in the user's language.
QString LastErrorText() {
    const DWORD code = GetLastError();
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    QString reason = length > 0 ? QString::fromWCharArray(text, int(length)).trimmed()
                                : QStringLiteral(u"エラー %1").arg(code);
    if (text) LocalFree(text);
    return reason;
}

std::wstring NativePath(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()).toStdWString();
}

}  // namespace

bool FlushToDisk(QFileDevice& file, QString& reason) {
    // A handle of our own, so that Qt's stays Qt's: flushing either flushes the file.
    const HANDLE handle = CreateFileW(NativePath(file.fileName()).c_str(), GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    const bool flushed = handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle);
    if (!flushed) reason = LastErrorText();
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    return flushed;
}

bool PutInPlace(const QString& from, const QString& to, QString& reason) {
    // rename() does not replace an existing file on Windows; this call does, in one step, and
    // returns only when the change is on the disk. A file another program holds open without
    // sharing its deletion is not replaced: the call fails and the old file stays.
    if (MoveFileExW(NativePath(from).c_str(), NativePath(to).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    reason = LastErrorText();
    return false;
}

}  // namespace velmora
