#pragma once

#include "catalogue/Status.h"

#include <QString>

class QWidget;

namespace velmora {

class Platform;
class SettingsFile;
class clsMsData;

// What the start-up hands to the window once both files were found and the catalogue loaded.
struct StartUpResult {
    QString msStatusPath;  // the unit pictures: install folder + "/Image/Ms_status/"
    // The folder prompt was cancelled: the pictures cannot be found until a folder is chosen.
    bool installFolderUnknown = false;
    // The commander settings as whole numbers, read through FormationSettings; a failure when a
    // value lies beyond 32 bits. The formation panel applies the range rules.
    Result<int> rank = 0;
    Result<int> level = 0;
    Result<int> decoration = 0;
    Result<int> skill = 0;
};

// The start-up checks the window runs before it shows (InitMain): unitdata.csv and setting.ini
// next to the program, the catalogue, the commander settings and the game's install folder,
// which is asked for when its picture folders are missing or empty. Every message and the
// folder prompt go through the Platform. Needs QtCore only.
class StartUp {
public:
    StartUp(Platform& platform, clsMsData& catalogue, SettingsFile& settings);

    // Loads the catalogue and reads the settings. A failure: the program has to end, and the
    // failure's message, saying why, was shown.
    Result<StartUpResult> Run(QWidget* owner);

    // The folder prompt's two lines: the instruction, then an example path in double quotes.
    static QString FolderPrompt();

    // A missing file's message: the text saying which file is missing, then a line naming the
    // program's folder, where the file has to be put, and the file's name when given.
    static QString MissingFileMessage(const QString& notFound, const QString& programFolder,
                                      const QString& fileName = QString());

    // GetDataPath: asks for the game's install folder and, on a choice, writes it as "path" (a
    // failed write is shown; the folder is used all the same). Empty when cancelled.
    QString ChooseInstallFolder(QWidget* owner);

    // What picImg says while the install folder is unknown: where the pictures come from and
    // how to choose the folder.
    static QString PictureNote();

    // True when folder exists and holds at least one ordinary (not hidden) file.
    static bool HasOrdinaryFile(const QString& folder);

    static QString StatusPicturePath(const QString& installFolder);
    static QString FacePicturePath(const QString& installFolder);

private:
    // Shows the message and hands it back as the failure.
    Status Fail(QWidget* owner, const QString& message);

    Platform& platform_;
    clsMsData& catalogue_;
    SettingsFile& settings_;
};

}  // namespace velmora
