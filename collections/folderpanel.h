#pragma once

#include <QFrame>
#include <QRect>

#include <array>

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

// The folder panel FrmGara, through which the user sets the base or the
// pattern collection's folder: the drive list Drive1 (the mounted volumes),
// the folder list Dir1, the file list File1, the path box Txtgara and the
// buttons "設定" (Command1(1)) and "閉じる" (Command1(0)). Every change of
// folder is stored at once (MotoEpath or GaraEpath, as PathSetteiMode says)
// and the settings file is written. Hidden until opened.
class FolderPanel : public QFrame
{
    Q_OBJECT

public:
    // Where the panel opens, in twips.
    static constexpr QRect GeometryTwips{1000, 1200, 5100, 4335};

    // Both must outlive the panel.
    FolderPanel(settings::Settings &settings, const platform::ProgramFolder &programFolder,
                QWidget *parent = nullptr);

    // Opens the panel to set the base (PathModeMotoe) or pattern
    // (PathModeGarae) folder: Dir1 moves to the stored folder, or to the
    // program folder's "Motoe" / "Garae", or to the home folder.
    void open(int mode);

    // 1 base, 2 pattern, 0 neither (before the first opening). Kept after
    // the panel closes.
    int PathSetteiMode() const { return m_pathSetteiMode; }

    // The panel's caption: "下絵のパスの設定" until opened, then
    // "元絵のパスの設定" or "柄絵のパスの設定".
    QLabel *caption() const { return m_caption; }

    QComboBox *Drive1() const { return m_drive1; }
    FolderList *Dir1() const { return m_dir1; }
    QListWidget *File1() const { return m_file1; }
    QLineEdit *Txtgara() const { return m_txtgara; }
    // 0 "閉じる", 1 "設定".
    QPushButton *Command1(int index) const { return m_command1.at(std::size_t(index)); }

    // Lists the mounted volumes again and marks the one Dir1 is on.
    void refreshDrives();

private:
    void Drive1_Change(int index);
    void Dir1_Change();
    void selectDriveOf(const QString &path);

    settings::Settings &m_settings;
    const platform::ProgramFolder &m_programFolder;
    int m_pathSetteiMode = 0;
    QLabel *m_caption = nullptr;
    QComboBox *m_drive1 = nullptr;
    FolderList *m_dir1 = nullptr;
    QListWidget *m_file1 = nullptr;
    QLineEdit *m_txtgara = nullptr;
    std::array<QPushButton *, 2> m_command1{};
};

} // namespace weftara::collections
