#include "output/snapshotstore.h"

#include "collections/collections.h"
#include "collections/pictureloading.h"
#include "output/snapshotpanel.h"
#include "platform/surface.h"
#include "platform/twips.h"
#include "workspace/controlpanel.h"
#include "workspace/workspace.h"

#include <QListWidget>
#include <QPushButton>

namespace weftara::output {

namespace {

// Entries read "picture" and the snapshot's number.
constexpr QStringView EntryPrefix = u"picture";

} // namespace

SnapshotStore::SnapshotStore(workspace::Workspace &ws, collections::PictureLoading &loading,
                             collections::Collections &collections, QObject *parent)
    : QObject(parent)
    , m_ws(ws)
    , m_loading(loading)
    , m_collections(collections)
{
    QWidget *controlPanel = ws.controls().controlPanel;
    m_panel = new SnapshotPanel(controlPanel ? controlPanel->parentWidget() : nullptr);
    SnapshotPanel &p = *m_panel;
    connect(p.storeButton(), &QPushButton::clicked, this, &SnapshotStore::storeSnapshot);
    connect(p.loadButton(), &QPushButton::clicked, this, &SnapshotStore::loadSnapshot);
    connect(p.eraseButton(), &QPushButton::clicked, this, &SnapshotStore::eraseSnapshot);
    connect(p.snapshotList(), &QListWidget::itemClicked, this, &SnapshotStore::previewSnapshot);
    connect(p.closeButton(), &QPushButton::clicked, &p, &QWidget::hide);
}

QImage SnapshotStore::snapshot(int number) const
{
    const auto found = m_snapshots.find(number);
    return found == m_snapshots.end() ? QImage() : found->second;
}

int SnapshotStore::numberOf(const QListWidgetItem &item)
{
    return item.text().mid(EntryPrefix.size()).toInt();
}

void SnapshotStore::openSnapshotPanel()
{
    m_panel->move(platform::twipsToPixels(SnapshotPanel::LeftTwips), platform::twipsToPixels(SnapshotPanel::TopTwips));
    m_panel->show();
    m_panel->raise();
}

void SnapshotStore::storeSnapshot()
{
    const int number = ++m_lastSnapshotNumber;
    m_snapshots[number] = m_ws.picture(workspace::Picture::Woven).image();
    m_panel->snapshotList()->addItem(EntryPrefix.toString() + QString::number(number));
}

void SnapshotStore::previewSnapshot(QListWidgetItem *item)
{
    if (!item)
        return;
    const int number = numberOf(*item);
    platform::Surface &preview = m_panel->snapshotPreview();
    preview.clearPicture();
    preview.stretchDraw(snapshot(number), QRectF(preview.rect()), platform::Surface::Stretch::Smooth);
    preview.refresh();
    m_previewedSnapshot = number;
}

void SnapshotStore::loadSnapshot()
{
    // Loading nothing would replace the base picture with an empty one.
    const QImage picture = snapshot(m_previewedSnapshot);
    if (picture.isNull())
        return;
    m_loading.loadFromSnapshot(picture);
    m_collections.onBaseSheetPressed(QPoint(1, 1));
    m_loading.loadFromSnapshot(QImage());
}

void SnapshotStore::eraseSnapshot()
{
    QListWidget *list = m_panel->snapshotList();
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem *item = list->item(row);
        if (!item->isSelected())
            continue;
        m_snapshots.erase(numberOf(*item));
        delete list->takeItem(row);
        return;
    }
}

} // namespace weftara::output
