#include "app/tabbuttonrow.h"

#include "app/tabbuttons.h"
#include "platform/twips.h"

#include <QMouseEvent>
#include <QPixmap>

namespace weftara::app {

PictureButton::PictureButton(QWidget *parent)
    : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

TabButtonRow::TabButtonRow(QWidget *parent)
    : QObject(parent)
{
    for (int i = 0; i < TabCount; ++i) {
        const auto k = std::size_t(i);
        for (bool selected : {true, false}) {
            auto *button = new PictureButton(parent);
            button->setObjectName(QStringLiteral("Picture%1_%2").arg(selected ? 4 : 5).arg(i));
            button->setPixmap(QPixmap::fromImage(tabButtonImage(i, selected)));
            button->setFixedSize(TabButtonSize);
            button->setToolTip(tabCaption(i + 1));
            button->hide();
            connect(button, &PictureButton::clicked, this, [this, i] { emit tabClicked(i + 1); });
            (selected ? m_picture4 : m_picture5)[k] = button;
        }
    }
}

void TabButtonRow::place(QPoint tabStripTopLeftTwips)
{
    for (int i = 0; i < TabCount; ++i) {
        const auto k = std::size_t(i);
        const QPoint twips = tabStripTopLeftTwips + QPoint(50 + 1000 * i, 40);
        const QPoint pixels(platform::twipsToPixels(twips.x()), platform::twipsToPixels(twips.y()));
        for (PictureButton *button : {m_picture4[k], m_picture5[k]}) {
            button->move(pixels);
            button->raise();
        }
        m_picture4[k]->hide();
        m_picture5[k]->show();
    }
}

void TabButtonRow::showSelected(int tab)
{
    for (int i = 0; i < TabCount; ++i) {
        const auto k = std::size_t(i);
        const bool selected = i + 1 == tab;
        m_picture5[k]->setVisible(!selected);
        m_picture4[k]->setVisible(selected);
    }
}

} // namespace weftara::app
