#pragma once

#include <QImage>
#include <QObject>

#include <map>

class QListWidgetItem;

namespace weftara::collections {
class Collections;
class PictureLoading;
} // namespace weftara::collections

namespace weftara::workspace {
class Workspace;
} // namespace weftara::workspace

namespace weftara::output {

class SnapshotPanel;

// The snapshot store: woven pictures kept in memory until the program ends,
// listed as picture1, picture2, ... (numbers are never used twice),
// previewed, erased, and loaded back as the base picture so that a woven
// picture can itself be woven again.
class SnapshotStore : public QObject
{
    Q_OBJECT

public:
    // The panel is created beside the control panel (same parent) and
    // belongs to it. All three must outlive this object.
    SnapshotStore(workspace::Workspace &ws, collections::PictureLoading &loading,
                  collections::Collections &collections, QObject *parent = nullptr);

    SnapshotPanel &snapshotPanel() { return *m_panel; }
    // Snapshot `number`; null when there is none (never stored, or erased).
    QImage snapshot(int number) const;
    int lastSnapshotNumber() const { return m_lastSnapshotNumber; }
    // The number of the snapshot previewed last; 0 before the first.
    int previewedSnapshot() const { return m_previewedSnapshot; }

    // Menu "画像の一時保存".
    void openSnapshotPanel();
    // "保存": keeps the woven picture as it is shown.
    void storeSnapshot();
    // A click on an entry: the snapshot fills the preview (its aspect ratio
    // is not kept).
    void previewSnapshot(QListWidgetItem *item);
    // "読込": the previewed snapshot becomes the base picture, as a click on
    // the first base thumbnail loads one (the log names that thumbnail's
    // file). Nothing happens when no snapshot has been previewed or the
    // previewed one has been erased.
    void loadSnapshot();
    // "消去": the selected entry and its snapshot go; the preview stays.
    void eraseSnapshot();

private:
    static int numberOf(const QListWidgetItem &item);

    workspace::Workspace &m_ws;
    collections::PictureLoading &m_loading;
    collections::Collections &m_collections;
    SnapshotPanel *m_panel = nullptr;
    std::map<int, QImage> m_snapshots;
    int m_lastSnapshotNumber = 0;
    int m_previewedSnapshot = 0;
};

} // namespace weftara::output
