#include "collections/folderpanel.h"

#include "collections/collectionsheet.h"
#include "collections/folderlist.h"
#include "collections/picturepath.h"
#include "platform/twips.h"
#include "settings/settings.h"
#include "workspace/panelcontrols.h"

#include <QAbstractItemView>
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
    setObjectName(QStringLiteral("folderPanel"));
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    setFont(workspace::panelFont(font(), workspace::PanelFontPixels + 1));
    m_title = workspace::makeTitle(this, QStringLiteral("下絵のパスの設定"), QRect(2, 2, 336, 15));
    m_title->setObjectName(QStringLiteral("title"));

    m_driveList = new QComboBox(this);
    m_driveList->setObjectName(QStringLiteral("driveList"));
    m_driveList->setGeometry(twipsRect(180, 270, 2085, 300));

    m_folderList = new FolderList(this);
    m_folderList->setObjectName(QStringLiteral("folderList"));
    m_folderList->setGeometry(twipsRect(135, 630, 2130, 2610));

    m_fileList = new QListWidget(this);
    m_fileList->setObjectName(QStringLiteral("fileList"));
    m_fileList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_fileList->setGeometry(twipsRect(2340, 315, 2580, 2970));

    m_pathBox = new QLineEdit(this);
    m_pathBox->setObjectName(QStringLiteral("pathBox"));
    m_pathBox->setReadOnly(true);
    m_pathBox->setGeometry(twipsRect(135, 3375, 4785, 465));

    m_setButton = new QPushButton(QStringLiteral("設定"), this);
    m_setButton->setObjectName(QStringLiteral("setButton"));
    m_setButton->setGeometry(twipsRect(2520, 3915, 1140, 330));
    m_closeButton = new QPushButton(QStringLiteral("閉じる"), this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_closeButton->setGeometry(twipsRect(3780, 3915, 1140, 330));

    m_driveList->setAccessibleName(QStringLiteral("ドライブ"));
    m_driveList->view()->setAccessibleName(QStringLiteral("ドライブ"));
    m_folderList->setAccessibleName(QStringLiteral("フォルダー"));
    m_fileList->setAccessibleName(QStringLiteral("ファイル"));
    m_pathBox->setAccessibleName(QStringLiteral("パス"));
    workspace::setTabOrder({m_driveList, m_folderList, m_fileList, m_pathBox, m_setButton, m_closeButton});

    // The folder has been stored at every change already: both buttons
    // only close the panel.
    for (QPushButton *button : {m_setButton, m_closeButton})
        connect(button, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_driveList, &QComboBox::activated, this, &FolderPanel::onDriveChanged);
    connect(m_folderList, &FolderList::pathChanged, this, &FolderPanel::onFolderChanged);

    setGeometry(twipsRect(GeometryTwips.left(), GeometryTwips.top(), GeometryTwips.width(),
                          GeometryTwips.height()));
    hide();
}

void FolderPanel::open(FolderMode mode)
{
    m_folderMode = mode;
    const bool base = mode == FolderMode::Base;
    const QStringView key = base ? settings::BaseFolderKey : settings::PatternFolderKey;
    const QStringView own = base ? BaseCollectionFolder : PatternCollectionFolder;
    const QString path = folderPanelStart(m_settings.value(key, QString()), m_programFolder, own);

    refreshDrives();
    m_folderList->setPath(path);
    m_pathBox->setText(QDir::toNativeSeparators(m_folderList->path().isEmpty() ? path : m_folderList->path()));

    setGeometry(twipsRect(GeometryTwips.left(), GeometryTwips.top(), GeometryTwips.width(),
                          GeometryTwips.height()));
    m_title->setText(base ? QStringLiteral("元絵のパスの設定") : QStringLiteral("柄絵のパスの設定"));
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
    m_driveList->clear();
    for (const QString &root : roots)
        m_driveList->addItem(QDir::toNativeSeparators(root), root);
    selectDriveOf(m_folderList->path());
}

void FolderPanel::selectDriveOf(const QString &path)
{
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < m_driveList->count(); ++i) {
        const QString root = m_driveList->itemData(i).toString();
        if (isOnVolume(path, root) && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    m_driveList->setCurrentIndex(best);
}

void FolderPanel::onDriveChanged(int index)
{
    m_folderList->setPath(m_driveList->itemData(index).toString());
}

void FolderPanel::onFolderChanged()
{
    const QString path = m_folderList->path();
    m_fileList->clear();
    if (const std::optional<QStringList> files = collectionFiles(path))
        for (const QString &file : *files)
            m_fileList->addItem(QFileInfo(file).fileName());
    m_pathBox->setText(QDir::toNativeSeparators(path));
    selectDriveOf(path);

    if (m_folderMode == FolderMode::Base)
        m_settings.setValue(settings::BaseFolderKey, path);
    else if (m_folderMode == FolderMode::Pattern)
        m_settings.setValue(settings::PatternFolderKey, path);
    m_settings.write();
}

} // namespace weftara::collections
