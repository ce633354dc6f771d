#include "collections/folderlist.h"

#include <QDir>
#include <QFileInfo>
#include <QStyle>

namespace weftara::collections {

namespace {

constexpr int PathRole = Qt::UserRole;

// The folders from the root down to `path`, each as a full path.
QStringList ancestorsAndSelf(const QString &path)
{
    QStringList chain;
    QDir dir(path);
    chain.prepend(dir.absolutePath());
    while (dir.cdUp())
        chain.prepend(dir.absolutePath());
    return chain;
}

QString displayName(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? QDir::toNativeSeparators(path) : name;
}

} // namespace

FolderList::FolderList(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { setPath(pathOfItem(item)); });
}

QString FolderList::pathOfItem(const QListWidgetItem *item)
{
    return item ? item->data(PathRole).toString() : QString();
}

bool FolderList::setPath(const QString &folder)
{
    if (folder.isEmpty() || folder.contains(QChar(u'\0')) || !QFileInfo(folder).isDir())
        return false;
    const QString cleaned = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (cleaned == m_path)
        return true;
    m_path = cleaned;
    rebuild();
    emit pathChanged(m_path);
    return true;
}

void FolderList::rebuild()
{
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QString indentUnit = QStringLiteral("  ");

    const QStringList chain = ancestorsAndSelf(m_path);
    int level = 0;
    QListWidgetItem *current = nullptr;
    for (const QString &folder : chain) {
        auto *item = new QListWidgetItem(open, indentUnit.repeated(level) + displayName(folder), this);
        item->setData(PathRole, folder);
        item->setToolTip(QDir::toNativeSeparators(folder));
        current = item;
        ++level;
    }
    // Hidden folders stay out, as in the file list.
    const QFileInfoList children = QDir(m_path).entryInfoList(
        QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &child : children) {
        if (child.fileName().startsWith(u'.'))
            continue;
        auto *item = new QListWidgetItem(closed, indentUnit.repeated(level) + child.fileName(), this);
        item->setData(PathRole, child.absoluteFilePath());
        item->setToolTip(QDir::toNativeSeparators(child.absoluteFilePath()));
    }
    if (current) {
        setCurrentItem(current);
        scrollToItem(current);
    }
}

} // namespace weftara::collections
