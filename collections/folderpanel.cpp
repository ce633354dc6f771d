#include "collections/folderpanel.h"

#include "collections/collectionsheet.h"
#include "collections/folderlist.h"
#include "collections/pathmode.h"
#include "collections/picturepath.h"
#include "platform/twips.h"
#include "settings/settings.h"
#include "workspace/panelcontrols.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>

#include <algorithm>

namespace weftara::collections {

namespace {

QRect twipsRect(int left, int top, int width, int height)
{
    return {platform::twipsToPixels(left), platform::twipsToPixels(top),
            platform::twipsToPixels(width), platform::twipsToPixels(height)};
}

// True when `path` lies on the volume mounted at `root`.
bool isOnVolume(const QString &path, const QString &root)
{
    if (root == u"/")
        return path.startsWith(u'/');
    return path == root || path.startsWith(root + u'/');
}

} // namespace

FolderPanel::FolderPanel(settings::Settings &settings, const platform::ProgramFolder &programFolder, QWidget *parent)
    : QFrame(parent)
    , m_settings(settings)
    , m_programFolder(programFolder)
{
    setObjectName(QStringLiteral("FrmGara"));
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setFont(workspace::panelFont(font(), workspace::PanelFontPixels + 1));
    m_caption = workspace::makeTitle(this, QStringLiteral("下絵のパスの設定"), QRect(2, 2, 336, 15));
    m_caption->setObjectName(QStringLiteral("FrmGaraCaption"));

    m_drive1 = new QComboBox(this);
    m_drive1->setObjectName(QStringLiteral("Drive1"));
    m_drive1->setGeometry(twipsRect(180, 270, 2085, 300));

    m_dir1 = new FolderList(this);
    m_dir1->setObjectName(QStringLiteral("Dir1"));
    m_dir1->setGeometry(twipsRect(135, 630, 2130, 2610));

    m_file1 = new QListWidget(this);
    m_file1->setObjectName(QStringLiteral("File1"));
    m_file1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_file1->setGeometry(twipsRect(2340, 315, 2580, 2970));

    m_txtgara = new QLineEdit(this);
    m_txtgara->setObjectName(QStringLiteral("Txtgara"));
    m_txtgara->setReadOnly(true);
    m_txtgara->setGeometry(twipsRect(135, 3375, 4785, 465));

    m_command1[1] = new QPushButton(QStringLiteral("設定"), this);
    m_command1[1]->setObjectName(QStringLiteral("Command1_1"));
    m_command1[1]->setGeometry(twipsRect(2520, 3915, 1140, 330));
    m_command1[0] = new QPushButton(QStringLiteral("閉じる"), this);
    m_command1[0]->setObjectName(QStringLiteral("Command1_0"));
    m_command1[0]->setGeometry(twipsRect(3780, 3915, 1140, 330));

    // The folder has been stored at every change already: both buttons
    // only close the panel.
    for (QPushButton *button : m_command1)
        connect(button, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_drive1, &QComboBox::activated, this, &FolderPanel::Drive1_Change);
    connect(m_dir1, &FolderList::pathChanged, this, &FolderPanel::Dir1_Change);

    setGeometry(twipsRect(GeometryTwips.left(), GeometryTwips.top(), GeometryTwips.width(),
                          GeometryTwips.height()));
    hide();
}

void FolderPanel::open(int mode)
{
    m_pathSetteiMode = mode;
    const bool motoe = mode == PathModeMotoe;
    const QStringView key = motoe ? settings::BaseFolderKey : settings::PatternFolderKey;
    const QStringView own = motoe ? MotoeCollectionFolder : GaraeCollectionFolder;
    const QString path = folderPanelStart(m_settings.value(key, QString()), m_programFolder, own);

    refreshDrives();
    m_dir1->setPath(path);
    m_txtgara->setText(QDir::toNativeSeparators(m_dir1->path().isEmpty() ? path : m_dir1->path()));

    setGeometry(twipsRect(GeometryTwips.left(), GeometryTwips.top(), GeometryTwips.width(),
                          GeometryTwips.height()));
    m_caption->setText(motoe ? QStringLiteral("元絵のパスの設定") : QStringLiteral("柄絵のパスの設定"));
    raise();
    show();
}

void FolderPanel::refreshDrives()
{
    QStringList roots;
    const QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &volume : volumes)
        // Single files mounted into the tree (as containers do) are no drives.
        if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir()
            && !roots.contains(volume.rootPath()))
            roots << volume.rootPath();
    std::sort(roots.begin(), roots.end());
    m_drive1->clear();
    for (const QString &root : roots)
        m_drive1->addItem(QDir::toNativeSeparators(root), root);
    selectDriveOf(m_dir1->path());
}

void FolderPanel::selectDriveOf(const QString &path)
{
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < m_drive1->count(); ++i) {
        const QString root = m_drive1->itemData(i).toString();
        if (isOnVolume(path, root) && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    m_drive1->setCurrentIndex(best);
}

void FolderPanel::Drive1_Change(int index)
{
    m_dir1->setPath(m_drive1->itemData(index).toString());
}

void FolderPanel::Dir1_Change()
{
    const QString path = m_dir1->path();
    m_file1->clear();
    if (const std::optional<QStringList> files = collectionFiles(path))
        for (const QString &file : *files)
            m_file1->addItem(QFileInfo(file).fileName());
    m_txtgara->setText(QDir::toNativeSeparators(path));
    selectDriveOf(path);

    if (m_pathSetteiMode == PathModeMotoe)
        m_settings.setValue(settings::BaseFolderKey, path);
    else if (m_pathSetteiMode == PathModeGarae)
        m_settings.setValue(settings::PatternFolderKey, path);
    m_settings.write();
}

} // namespace weftara::collections
