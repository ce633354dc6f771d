#include "help/paneldraggertest.h"

#include "help/paneldragger.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTest>

using weftara::help::PanelDragger;

namespace {

// A panel at (100, 60) pixels with a title along its top, in a form.
struct Form
{
    QWidget form;
    QWidget *panel = new QWidget(&form);
    QLabel *title = new QLabel(QStringLiteral("title"), panel);
    PanelDragger *dragger;

    explicit Form(PanelDragger::Raise raise = PanelDragger::Raise::OnPress)
        : dragger(new PanelDragger(title, panel, raise))
    {
        form.resize(800, 600);
        panel->setGeometry(100, 60, 200, 150);
        title->setGeometry(0, 0, 200, 20);
    }

    // A mouse event at a point of the title, in pixels of the title.
    void send(QEvent::Type type, QPoint at)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, title->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QCoreApplication::sendEvent(title, &event);
    }
};

} // namespace

void PanelDraggerTest::drag_data()
{
    QTest::addColumn<QPoint>("pointer"); // where the pointer moves, in pixels of the form
    QTest::addColumn<QPoint>("expected");

    // The title is grabbed 10 pixels right of its left edge and 5 below its
    // top: the panel goes to the pointer less that, axis by axis while positive.
    QTest::newRow("left stops, top follows") << QPoint(5, 90) << QPoint(100, 85);
    QTest::newRow("left at zero stops") << QPoint(10, 90) << QPoint(100, 85);
    QTest::newRow("top stops, left follows") << QPoint(400, 4) << QPoint(390, 60);
    // 600 twips (40 pixels) below the title's top is the last row that drags.
    QTest::newRow("edge of the band") << QPoint(150, 100) << QPoint(140, 95);
    QTest::newRow("below the band") << QPoint(150, 101) << QPoint(100, 60);
}

void PanelDraggerTest::drag()
{
    QFETCH(QPoint, pointer);
    QFETCH(QPoint, expected);

    Form f;
    f.send(QEvent::MouseButtonPress, {10, 5});
    QVERIFY(f.dragger->titleHeld());
    f.send(QEvent::MouseMove, pointer - f.panel->pos());
    QCOMPARE(f.panel->pos(), expected);

    // Released, the panel stays where it is.
    f.dragger->onMoveTimeout();
    f.send(QEvent::MouseButtonRelease, pointer - f.panel->pos());
    f.send(QEvent::MouseMove, {50, 5});
    QCOMPARE(f.panel->pos(), expected);
}

void PanelDraggerTest::oneMovePerTick()
{
    Form f;
    f.send(QEvent::MouseButtonPress, {10, 5});
    f.send(QEvent::MouseMove, {20, 5});
    f.send(QEvent::MouseMove, {40, 5});
    QCOMPARE(f.panel->pos(), QPoint(110, 60));
    QVERIFY(f.dragger->movedThisTick());

    // The timer's tick lets the next move through.
    QTRY_VERIFY(!f.dragger->movedThisTick());
    f.send(QEvent::MouseMove, {40, 5});
    QCOMPARE(f.panel->pos(), QPoint(140, 60));
}

void PanelDraggerTest::pressRaises()
{
    for (const auto raise : {PanelDragger::Raise::OnPress, PanelDragger::Raise::Never}) {
        Form f(raise);
        auto *other = new QWidget(&f.form);
        QCOMPARE(f.form.children().last(), other);
        f.send(QEvent::MouseButtonPress, {10, 5});
        QCOMPARE(f.form.children().last() == f.panel, raise == PanelDragger::Raise::OnPress);
    }
}
