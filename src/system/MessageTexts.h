#pragma once

#include <QString>

// The titles and texts more than one message box of the program shows, each written once.
namespace velmora::texts {

inline QString ErrorTitle() { return QStringLiteral(u"エラー"); }
inline QString ConfirmTitle() { return QStringLiteral(u"確認"); }
inline QString SettingsFileMissing() { return QStringLiteral(u"設定ファイルが見つかりません。"); }

}  // namespace velmora::texts
