#include "workspace/panelcontrols.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

namespace weftara::workspace {

QFont panelFont(const QFont &base, int pixels)
{
    QFont font = base;
    font.setPixelSize(pixels);
    return font;
}

void setUpPanel(QFrame &panel, const QString &name, int fontPixels)
{
    panel.setObjectName(name);
    panel.setFrameShape(QFrame::Box);
    panel.setFrameShadow(QFrame::Raised);
    panel.setAutoFillBackground(true);
    panel.setFont(panelFont(panel.font(), fontPixels));
}

QRect upperRow(int left, int width)
{
    return {left, 3, width, 20};
}

QRect lowerRow(int left, int width)
{
    return {left, 24, width, 19};
}

QLabel *makeTitle(QWidget *parent, const QString &text, const QRect &geometry)
{
    QLabel *label = makeLabel(parent, text, geometry);
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Highlight);
    label->setForegroundRole(QPalette::HighlightedText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setIndent(2);
    return label;
}

QLabel *makeLabel(QWidget *parent, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

QPushButton *makeButton(QWidget *parent, const QString &caption, const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

QLineEdit *makeBox(QWidget *parent, const QString &text, const QRect &geometry)
{
    auto *box = new QLineEdit(text, parent);
    box->setGeometry(geometry);
    return box;
}

void setTabOrder(std::initializer_list<QWidget *> controls)
{
    const QWidget *previous = nullptr;
    for (QWidget *control : controls) {
        if (previous)
            QWidget::setTabOrder(const_cast<QWidget *>(previous), control);
        previous = control;
    }
}

QScrollBar *makeSlider(QWidget *parent, int minimum, int maximum, int value, int pageStep,
                       const QRect &geometry)
{
    auto *slider = new QScrollBar(Qt::Horizontal, parent);
    slider->setRange(minimum, maximum);
    slider->setSingleStep(1);
    slider->setPageStep(pageStep);
    slider->setValue(value);
    slider->setTracking(false);
    slider->setGeometry(geometry);
    return slider;
}

void dropList(QListWidget &list, const QWidget &panel, QPoint at, QSize size, const QStringList &items)
{
    list.clear();
    QWidget *owner = panel.parentWidget();
    if (owner && list.parentWidget() != owner)
        list.setParent(owner);
    list.setGeometry(QRect(owner ? panel.mapToParent(at) : at, size));
    list.addItems(items);
    list.show();
    list.raise();
}

} // namespace weftara::workspace
