#include "app/tabbuttons.h"

#include <QFont>
#include <QPainter>

namespace weftara::app {

QImage tabButtonImage(workspace::Tab tab, bool selected)
{
    QImage image(TabButtonSize, QImage::Format_RGB32);
    const QRect frame = image.rect();

    // Normal: a raised light button. Selected: a pressed, indigo-dyed one.
    const QColor face = selected ? QColor(44, 62, 120) : QColor(238, 232, 218);
    const QColor light = selected ? QColor(22, 30, 64) : QColor(255, 255, 255);
    const QColor shade = selected ? QColor(120, 140, 200) : QColor(150, 140, 120);
    const QColor ink = selected ? QColor(255, 255, 255) : QColor(40, 36, 30);
    image.fill(face);

    QPainter painter(&image);
    painter.setPen(light);
    painter.drawLine(frame.topLeft(), frame.topRight());
    painter.drawLine(frame.topLeft(), frame.bottomLeft());
    painter.setPen(shade);
    painter.drawLine(frame.bottomLeft(), frame.bottomRight());
    painter.drawLine(frame.topRight(), frame.bottomRight());

    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPixelSize(12);
    font.setBold(selected);
    font.setHintingPreference(QFont::PreferFullHinting);
    painter.setFont(font);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(ink);
    // A pressed button's caption sits one pixel lower and to the right.
    const QRect textArea = frame.adjusted(1, 1, -1, -1).translated(selected ? 1 : 0, selected ? 1 : 0);
    painter.drawText(textArea, Qt::AlignCenter, workspace::tabCaption(tab));
    return image;
}

} // namespace weftara::app
