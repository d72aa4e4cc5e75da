#pragma once

#include "formation/FormationText.h"

#include <QDialog>
#include <QString>

namespace velmora {

class clsMsData;
class Platform;
class SettingsFile;

// The "登録データ" dialog: eight saved formations in section SaveData of setting.ini. The user
// stores the current formation into a slot under a comment, or picks a slot to load; Tag()
// then holds that slot's four lists joined by tabs (empty: load nothing). Open it with exec().
class frmSaveData : public QDialog {
    Q_OBJECT
public:
    frmSaveData(const clsMsData& catalogue, SettingsFile& settings, Platform& platform,
                FormationLists currentFormation, QWidget* parent = nullptr);

    const QString& Tag() const { return tag_; }

private:
    QString tag_;
};

}  // namespace velmora
