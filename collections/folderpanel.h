#pragma once

#include "collections/foldermode.h"

#include <QFrame>
#include <QRect>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace weftara::platform {
class ProgramFolder;
} // namespace weftara::platform

namespace weftara::settings {
class Settings;
} // namespace weftara::settings

namespace weftara::collections {

class FolderList;

// The folder panel, through which the user sets the base or the pattern
// collection's folder: the drive list (the mounted volumes), the folder
// list, the files of the chosen folder, the path box and the buttons "設定"
// and "閉じる". Every change of folder is stored at once, under the key of
// the folder mode, and the settings file is written. Hidden until opened.
class FolderPanel : public QFrame
{
    Q_OBJECT

public:
    // Where the panel opens, in twips.
    static constexpr QRect GeometryTwips{1000, 1200, 5100, 4335};

    // Both must outlive the panel.
    FolderPanel(settings::Settings &settings, const platform::ProgramFolder &programFolder,
                QWidget *parent = nullptr);

    // Opens the panel to set the base or the pattern folder: the folder list
    // moves to the stored folder, or to the program folder's "Motoe" /
    // "Garae", or to the home folder.
    void open(FolderMode mode);

    // What the panel sets; kept after it closes.
    FolderMode folderMode() const { return m_folderMode; }

    // "下絵のパスの設定" until opened, then "元絵のパスの設定" or
    // "柄絵のパスの設定".
    QLabel *title() const { return m_title; }

    QComboBox *driveList() const { return m_driveList; }
    FolderList *folderList() const { return m_folderList; }
    QListWidget *fileList() const { return m_fileList; }
    QLineEdit *pathBox() const { return m_pathBox; }
    QPushButton *setButton() const { return m_setButton; }
    QPushButton *closeButton() const { return m_closeButton; }

private:
    // Lists the mounted volumes again and marks the one the folder list is on.
    void refreshDrives();
    void onDriveChanged(int index);
    void onFolderChanged();
    void selectDriveOf(const QString &path);

    settings::Settings &m_settings;
    const platform::ProgramFolder &m_programFolder;
    FolderMode m_folderMode = FolderMode::None;
    QLabel *m_title = nullptr;
    QComboBox *m_driveList = nullptr;
    FolderList *m_folderList = nullptr;
    QListWidget *m_fileList = nullptr;
    QLineEdit *m_pathBox = nullptr;
    QPushButton *m_setButton = nullptr;
    QPushButton *m_closeButton = nullptr;
};

} // namespace weftara::collections
