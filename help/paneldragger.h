#pragma once

#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QTimer>

class QWidget;

namespace weftara::help {

// Lets a floating panel be dragged inside its parent by its title label:
//
//     new PanelDragger(panel->title(), panel);
//
// Pressing any button on the title holds it; moving the pointer then moves
// the panel so that the grab point stays under the pointer. A move is
// applied only within the title's top band, at most once per tick of a
// 10 ms timer, and on each axis only while the new coordinate stays
// positive, so a panel never leaves its parent over the left or top edge.
// The dragger belongs to the title and goes with it.
class PanelDragger : public QObject
{
    Q_OBJECT

public:
    enum class Raise {
        Never,   // the control panel stays where it is in the stacking order
        OnPress, // a press brings the panel in front of the other panels
    };

    // How far below the title's top edge a move still drags, in twips.
    static constexpr int BandTwips = 600;
    static constexpr int TickMilliseconds = 10;

    PanelDragger(QWidget *title, QWidget *panel, Raise raise = Raise::OnPress);

    // The mouse on the title, at a point in twips relative to the title.
    void onTitlePressed(QPointF at);
    void onTitleMoved(QPointF at);
    void onTitleReleased();
    // A tick of the throttle timer: the next move may be applied.
    void onMoveTimeout();

    bool titleHeld() const { return m_titleHeld; }
    bool movedThisTick() const { return m_movedThisTick; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_panel;
    Raise m_raise;
    bool m_titleHeld = false;
    bool m_movedThisTick = false;
    QPoint m_grabPoint; // twips, inside the title
    QTimer m_moveTimer;
};

} // namespace weftara::help
