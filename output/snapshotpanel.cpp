#include "output/snapshotpanel.h"

#include "platform/surfaceview.h"
#include "platform/twips.h"
#include "workspace/panelcontrols.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace weftara::output {

namespace {

// Pixel grid of the panel (238 × 358).
constexpr int Margin = 6;
constexpr int InnerWidth = 226;
constexpr int ButtonTop = 330;
constexpr int ButtonWidth = 70;
constexpr int ButtonPitch = 78;

} // namespace

SnapshotPanel::SnapshotPanel(QWidget *parent)
    : QFrame(parent)
{
    using workspace::makeButton;

    workspace::setUpPanel(*this, QStringLiteral("snapshotPanel"), workspace::PanelFontPixels);
    setFixedSize(platform::twipsToPixels(WidthTwips), platform::twipsToPixels(HeightTwips));

    m_title = workspace::makeTitle(this, QStringLiteral("画像の保存"), QRect(3, 3, 210, 20));
    m_title->setObjectName(QStringLiteral("title"));
    m_closeButton = makeButton(this, QStringLiteral("×"), QRect(217, 4, 17, 18));
    m_closeButton->setObjectName(QStringLiteral("closeButton"));

    m_snapshotList = new QListWidget(this);
    m_snapshotList->setObjectName(QStringLiteral("snapshotList"));
    m_snapshotList->setGeometry(Margin, 29, InnerWidth, 100);

    // The preview sits in a sunken frame, so that its edges show against
    // the panel whatever the picture.
    auto *previewFrame = new QFrame(this);
    previewFrame->setFrameShape(QFrame::Panel);
    previewFrame->setFrameShadow(QFrame::Sunken);
    previewFrame->setGeometry(Margin, 135, InnerWidth, 188);
    m_snapshotPreview = new platform::Surface(this);
    m_snapshotPreview->setObjectName(QStringLiteral("snapshotPreview"));
    m_snapshotPreview->setGeometry(previewFrame->contentsRect());
    new platform::SurfaceView(*m_snapshotPreview, previewFrame);

    m_storeButton = makeButton(this, QStringLiteral("保存"), QRect(Margin, ButtonTop, ButtonWidth, 22));
    m_loadButton = makeButton(this, QStringLiteral("読込"), QRect(Margin + ButtonPitch, ButtonTop, ButtonWidth, 22));
    m_eraseButton =
        makeButton(this, QStringLiteral("消去"), QRect(Margin + 2 * ButtonPitch, ButtonTop, ButtonWidth, 22));
    m_storeButton->setObjectName(QStringLiteral("storeButton"));
    m_loadButton->setObjectName(QStringLiteral("loadButton"));
    m_eraseButton->setObjectName(QStringLiteral("eraseButton"));

    m_closeButton->setAccessibleName(QStringLiteral("閉じる"));
    m_snapshotList->setAccessibleName(m_title->text());
    workspace::setTabOrder({m_snapshotList, m_storeButton, m_loadButton, m_eraseButton, m_closeButton});

    hide();
}

} // namespace weftara::output
