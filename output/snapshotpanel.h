#pragma once

#include <QFrame>

class QLabel;
class QListWidget;
class QPushButton;

namespace weftara::platform {
class Surface;
} // namespace weftara::platform

namespace weftara::output {

// The floating panel of the snapshot store, headed "画像の保存": the list of
// snapshots, the preview of the one clicked last, "保存", "読込", "消去" and
// the close button. Hidden until the menu opens it. It only builds and
// places its controls; SnapshotStore connects them.
class SnapshotPanel : public QFrame
{
    Q_OBJECT

public:
    // Where the menu places it, in twips.
    static constexpr int LeftTwips = 7380;
    static constexpr int TopTwips = 360;
    static constexpr int WidthTwips = 3570;
    static constexpr int HeightTwips = 5370;

    explicit SnapshotPanel(QWidget *parent = nullptr);

    // The heading, also the handle the panel is dragged by.
    QLabel *title() const { return m_title; }
    QPushButton *closeButton() const { return m_closeButton; }
    QListWidget *snapshotList() const { return m_snapshotList; }
    platform::Surface &snapshotPreview() const { return *m_snapshotPreview; }
    QPushButton *storeButton() const { return m_storeButton; }
    QPushButton *loadButton() const { return m_loadButton; }
    QPushButton *eraseButton() const { return m_eraseButton; }

private:
    QLabel *m_title = nullptr;
    QPushButton *m_closeButton = nullptr;
    QListWidget *m_snapshotList = nullptr;
    platform::Surface *m_snapshotPreview = nullptr;
    QPushButton *m_storeButton = nullptr;
    QPushButton *m_loadButton = nullptr;
    QPushButton *m_eraseButton = nullptr;
};

} // namespace weftara::output
