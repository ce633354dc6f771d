#include "workspace/picturetabs.h"

#include "platform/twips.h"
#include "workspace/picturecanvas.h"
#include "workspace/workspace.h"

#include <QScrollArea>
#include <QTabBar>

#include <algorithm>

namespace weftara::workspace {

namespace {

// Tabs of one width, 1000 twips, so that the row of picture buttons laid at
// 1000-twip steps over the strip sits on them one button per tab; high
// enough for a button 18 pixels high with a margin.
class FixedWidthTabBar final : public QTabBar
{
public:
    using QTabBar::QTabBar;

    static constexpr int TabWidthTwips = 1000;
    static constexpr int MinimumHeight = 24;

protected:
    QSize tabSizeHint(int index) const override
    {
        QSize size = QTabBar::tabSizeHint(index);
        size.setWidth(platform::twipsToPixels(TabWidthTwips));
        size.setHeight(std::max(size.height(), MinimumHeight));
        return size;
    }

    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
};

} // namespace

PictureTabs::PictureTabs(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pictureTabs"));
    m_tabStrip = new FixedWidthTabBar(this);
    m_tabStrip->setObjectName(QStringLiteral("tabStrip"));
    m_tabStrip->setExpanding(false);
    m_tabStrip->setDrawBase(true);
    for (const Tab tab : Tabs)
        m_tabStrip->addTab(tabCaption(tab));

    m_view = new QScrollArea(this);
    m_view->setObjectName(QStringLiteral("view"));
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->setWidgetResizable(false);
    m_view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_canvas = new PictureCanvas;
    m_canvas->setObjectName(QStringLiteral("canvas"));
    m_view->setWidget(m_canvas);
}

QRect PictureTabs::clientRect() const
{
    const int top = m_tabStrip->sizeHint().height();
    return {0, top, width(), std::max(0, height() - top)};
}

void PictureTabs::setViewLimit(const QRect &limit)
{
    m_viewLimit = limit;
    placeView();
}

QSize PictureTabs::viewportSize() const
{
    return m_view->maximumViewportSize();
}

void PictureTabs::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeView();
}

void PictureTabs::placeView()
{
    m_tabStrip->setGeometry(0, 0, width(), m_tabStrip->sizeHint().height());
    QRect client = clientRect();
    if (m_viewLimit.isValid())
        client = client.intersected(m_viewLimit);
    m_view->setGeometry(client);
}

} // namespace weftara::workspace
