#include "workspace/picturetabs.h"

#include "platform/twips.h"

#include <QChildEvent>
#include <QEvent>
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

PictureCanvas::PictureCanvas(QWidget *parent)
    : QWidget(parent)
{
    resize(1, 1);
}

void PictureCanvas::updateExtent()
{
    const QRect children = childrenRect(); // hidden children are left out
    const int width = std::max(1, children.isEmpty() ? 1 : children.right() + 1);
    const int height = std::max(1, children.isEmpty() ? 1 : children.bottom() + 1);
    if (size() != QSize(width, height))
        resize(width, height);
}

void PictureCanvas::childEvent(QChildEvent *event)
{
    if (event->added() && event->child()->isWidgetType())
        event->child()->installEventFilter(this);
    QWidget::childEvent(event);
    if (event->removed())
        updateExtent();
}

bool PictureCanvas::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
    case QEvent::Move:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        updateExtent();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

PictureTabs::PictureTabs(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TabStrip1"));
    m_tabStrip = new FixedWidthTabBar(this);
    m_tabStrip->setObjectName(QStringLiteral("TabStrip1Tabs"));
    m_tabStrip->setExpanding(false);
    m_tabStrip->setDrawBase(true);
    for (const char *caption : {"元絵集", "柄絵集", "元絵", "柄絵", "織込"})
        m_tabStrip->addTab(QString::fromUtf8(caption));

    m_view = new QScrollArea(this);
    m_view->setObjectName(QStringLiteral("PictureView"));
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->setWidgetResizable(false);
    m_view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_canvas = new PictureCanvas;
    m_canvas->setObjectName(QStringLiteral("PictureCanvas"));
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
