#pragma once

#include "catalogue/clsMsData.h"
#include "system/SettingsFile.h"

#include <QMainWindow>
#include <QMargins>
#include <QString>

class QLabel;
class QTimer;

namespace velmora {

class FormationPanel;
class MsInfoPanel;
class MsListPanel;
class Platform;

// The program's one window: the unit list, the unit detail and the formation stacked top to
// bottom, and the status bar. It owns the catalogue and the settings file that the three frames
// work on, runs the start-up and passes each frame's requests on to the frame that acts on them.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(Platform& platform, QWidget* parent = nullptr);

    // The window's load handling: start-up checks, first fill of the unit list, default
    // formation. False when the program has to end; the message saying why was shown.
    bool Load();

    void SetMsData(const QString& msNo, bool updatePreemptive);
    void vbWheelMinus();
    void vbWheelPlus();
    void vbMButtonUp();

protected:
    // Undo and redo keys reach the window's undo stack even from the text boxes and spinners,
    // which would otherwise take them for their own text.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void BuildEditMenu();
    void BuildSettingsMenu();
    void ChooseInstallFolder();
    bool InitMain();
    void ApplyMinimumSize();
    void RestoreGeometry();
    void SaveGeometry();
    void AddToFormation();
    void UpdateFormationRow();
    void ShowClock();
    // sbPanel2: the numbers behind the verdict, or why a deploy did nothing.
    void ExplainInStatusBar(const QString& text);

    Platform& platform_;
    clsMsData catalogue_;
    SettingsFile settings_;
    MsListPanel* list_ = nullptr;
    MsInfoPanel* detail_ = nullptr;
    FormationPanel* formation_ = nullptr;
    QWidget* content_ = nullptr;  // the three frames, inside a scroll area
    bool screenWatched_ = false;
    QMargins frameSeen_;  // the window frame the minimum size was last fitted with
    QLabel* verdictPanel_ = nullptr;
    QLabel* explanationPanel_ = nullptr;
    QLabel* datePanel_ = nullptr;
    QLabel* timePanel_ = nullptr;
    QTimer* clock_ = nullptr;
    bool loaded_ = false;  // the load handling ran through: the window's place is kept at exit
};

}  // namespace velmora
