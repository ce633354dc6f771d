#include "app/tabbuttonrow.h"

#include "app/picturebutton.h"
#include "app/tabbuttons.h"
#include "platform/twips.h"

#include <QPixmap>

namespace weftara::app {

using workspace::Tab;

TabButtonRow::TabButtonRow(QWidget *parent)
    : QObject(parent)
{
    for (const Tab tab : workspace::Tabs) {
        for (const bool selected : {true, false}) {
            auto *button = new PictureButton(parent);
            button->setObjectName(QStringLiteral("%1Button%2")
                                      .arg(selected ? QStringLiteral("selected") : QStringLiteral("normal"))
                                      .arg(int(tab)));
            button->setPixmap(QPixmap::fromImage(tabButtonImage(tab, selected)));
            // The caption is a picture: a screen reader reads the tab's name.
            button->setAccessibleName(workspace::tabCaption(tab));
            button->setFixedSize(TabButtonSize);
            button->setToolTip(workspace::tabCaption(tab));
            button->hide();
            connect(button, &PictureButton::clicked, this, [this, tab] { emit tabClicked(tab); });
            (selected ? m_selectedButtons : m_normalButtons)[tab] = button;
        }
    }
}

void TabButtonRow::place(QPoint tabStripTopLeftTwips)
{
    for (const Tab tab : workspace::Tabs) {
        const int n = int(tab) - int(Tab::BaseCollection);
        const QPoint twips = tabStripTopLeftTwips + QPoint(50 + 1000 * n, 40);
        const QPoint pixels(platform::twipsToPixels(twips.x()), platform::twipsToPixels(twips.y()));
        for (PictureButton *button : {m_selectedButtons[tab], m_normalButtons[tab]}) {
            button->move(pixels);
            button->raise();
        }
        m_selectedButtons[tab]->hide();
        m_normalButtons[tab]->show();
    }
}

void TabButtonRow::showSelected(Tab selected)
{
    for (const Tab tab : workspace::Tabs) {
        m_normalButtons[tab]->setVisible(tab != selected);
        m_selectedButtons[tab]->setVisible(tab == selected);
    }
}

} // namespace weftara::app
