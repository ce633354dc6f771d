#include "textmodetest.h"

#include "platform/surface.h"
#include "textfixture.h"
#include "workspace/controlpanel.h"
#include "workspace/flips.h"
#include "workspace/weavepipeline.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace weftara;
using testing::TextFixture;

namespace {

constexpr QRgb White = 0xFFFFFFFF;

// Counts the times a widget is made visible (also inside a hidden window).
class ShowCounter : public QObject
{
public:
    explicit ShowCounter(QWidget *watched) { watched->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ShowToParent)
            ++count;
        return false;
    }
};

void drawText(TextFixture &f, const QString &text, float left, float top)
{
    f.typeText(text, left, top);
    f.panel.drawButton()->click();
}

QImage mirroredLeftRight(const QImage &image)
{
    QImage out(image.size(), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            out.setPixel(image.width() - 1 - x, y, image.pixel(x, y));
    return out;
}

} // namespace

void TextModeTest::switchingOnTakesTheControlPanelsPlace()
{
    TextFixture f;
    f.loadWoven(testing::variedPicture(120, 90));
    f.ws.selectTab(workspace::Tab::Base);
    QWidget *controlPanel = f.ws.controls().controlPanel;
    controlPanel->move(7, 5);

    f.weaver.toggleTextMode();
    QCOMPARE(f.ws.selectedTab(), workspace::Tab::Woven);
    QVERIFY(f.weaver.textMode());
    QVERIFY(controlPanel->isHidden());
    QVERIFY(f.weaver.panelShown());
    QCOMPARE(f.panel.geometry(), QRect(7, 5, 337, controlPanel->height()));
    QVERIFY(!f.box.isHidden());
    QCOMPARE(f.box.size(), QSize(0, 0));
    QCOMPARE(f.panel.fontNameLabel()->text(), f.placed.fontName());
    QCOMPARE(f.panel.fontSizeBox()->text(), QStringLiteral(" 9"));

    f.weaver.toggleTextMode();
    QVERIFY(!f.weaver.textMode());
    QVERIFY(!controlPanel->isHidden());
    QVERIFY(!f.weaver.panelShown());
    QVERIFY(f.box.isHidden());
}

void TextModeTest::eraseAfterTwoDrawsThenFix()
{
    TextFixture f;
    const QImage picture = testing::uniformPicture(200, 120, White);
    f.loadWoven(picture);
    f.weaver.toggleTextMode();
    drawText(f, QStringLiteral("one"), 5, 5);
    drawText(f, QStringLiteral("two"), 60, 50);
    QVERIFY(!testing::sameColours(f.woven(), picture));

    f.panel.eraseButton()->click();
    QVERIFY(testing::sameColours(f.woven(), picture));
    QCOMPARE(f.log().last(), QStringLiteral("文字消去"));

    drawText(f, QStringLiteral("three"), 20, 30);
    f.panel.fixButton()->click();
    QCOMPARE(f.log().last(), QStringLiteral("文字織込"));
    const QImage fixed = f.woven();
    QVERIFY(!testing::sameColours(fixed, picture));
    f.panel.eraseButton()->click();
    QVERIFY(testing::sameColours(f.woven(), fixed));
    QVERIFY(f.weaver.textMode()); // "織込" stays in text mode
}

void TextModeTest::menuOffKeepsTextErasableCloseFixes()
{
    TextFixture f;
    const QImage picture = testing::uniformPicture(200, 120, White);
    f.loadWoven(picture);
    QWidget *controlPanel = f.ws.controls().controlPanel;

    f.weaver.toggleTextMode();
    drawText(f, QStringLiteral("menu"), 5, 5);
    f.weaver.toggleTextMode();
    QVERIFY(!f.log().contains(QStringLiteral("文字織込")));
    f.weaver.eraseText(); // still only drawn, not fixed
    QVERIFY(testing::sameColours(f.woven(), picture));

    f.weaver.toggleTextMode();
    drawText(f, QStringLiteral("close"), 5, 5);
    const QImage drawn = f.woven();
    const int logSize = f.log().size();
    f.panel.closeButton()->click();
    QCOMPARE(f.log().size(), logSize + 1);
    QCOMPARE(f.log().last(), QStringLiteral("文字織込"));
    QVERIFY(!f.weaver.textMode());
    QVERIFY(!f.weaver.panelShown());
    QVERIFY(!controlPanel->isHidden());
    QVERIFY(f.box.isHidden());
    f.weaver.eraseText();
    QVERIFY(testing::sameColours(f.woven(), drawn));
}

void TextModeTest::switchingOnFixesEarlierText()
{
    TextFixture f;
    const QImage picture = testing::uniformPicture(200, 120, White);
    f.loadWoven(picture);
    f.weaver.toggleTextMode();
    drawText(f, QStringLiteral("kept"), 5, 5);
    const QImage drawn = f.woven();
    f.weaver.toggleTextMode();
    f.weaver.toggleTextMode();
    f.panel.eraseButton()->click();
    QVERIFY(testing::sameColours(f.woven(), drawn));
}

void TextModeTest::replayNeverShowsThePanel()
{
    TextFixture f;
    f.loadWoven(testing::uniformPicture(200, 120, White));
    ShowCounter shown(&f.panel);
    QWidget *controlPanel = f.ws.controls().controlPanel;

    f.ws.flags().replaying = true;
    f.weaver.toggleTextMode();
    f.typeText(QStringLiteral("a"), 5, 5);
    f.weaver.drawText();
    f.weaver.toggleTextMode(); // the next text of the recipe
    QVERIFY(f.weaver.textMode());
    f.typeText(QStringLiteral("b"), 50, 5);
    f.weaver.drawText();
    f.ws.flags().replaying = false;
    QCOMPARE(shown.count, 0);
    QVERIFY(!f.weaver.panelShown());

    // A recipe that ends in text mode gives the control panel back.
    f.weaver.replayFinished();
    QVERIFY(!f.weaver.textMode());
    QVERIFY(!controlPanel->isHidden());
    QVERIFY(f.box.isHidden());

    f.ws.flags().replaying = true;
    f.weaver.toggleTextMode();
    f.weaver.closeTextPanel();
    f.ws.flags().replaying = false;
    QCOMPARE(shown.count, 0);
    QVERIFY(!controlPanel->isHidden());
}

// A session drew three texts and erased them with one "取消"; its log
// replays (text mode switched on before each text) to the same picture.
void TextModeTest::replayedTextsEraseAsTheyDidWhenMade()
{
    const QImage picture = testing::uniformPicture(200, 120, White);
    TextFixture made;
    made.loadWoven(picture);
    made.weaver.toggleTextMode();
    for (int k = 0; k < 3; ++k)
        drawText(made, QStringLiteral("t%1").arg(k), 5 + 50 * k, 5);
    made.panel.eraseButton()->click();
    QVERIFY(testing::sameColours(made.woven(), picture));

    TextFixture replayed;
    replayed.loadWoven(picture);
    replayed.ws.flags().replaying = true;
    for (int k = 0; k < 3; ++k) {
        replayed.weaver.toggleTextMode();
        replayed.typeText(QStringLiteral("t%1").arg(k), 5 + 50 * k, 5);
        replayed.weaver.drawText();
    }
    replayed.weaver.eraseText();
    replayed.ws.flags().replaying = false;
    QVERIFY(testing::sameColours(replayed.woven(), picture));
}

// A flip after drawing acts on the picture with its text and keeps the
// result: "取消" then neither undoes the flip nor takes the text out of the
// flipped picture. A weave after drawing makes a fresh woven picture.
void TextModeTest::effectAfterDrawingKeepsItsResult()
{
    TextFixture f;
    const QImage picture = testing::variedPicture(160, 100);
    f.loadWoven(picture);
    f.weaver.toggleTextMode();
    drawText(f, QStringLiteral("flip"), 5, 5);
    const QImage drawn = f.woven();

    workspace::flipLeftRight(f.ws);
    const QImage flipped = mirroredLeftRight(drawn);
    QVERIFY(testing::sameColours(f.woven(), flipped));
    f.panel.eraseButton()->click();
    QVERIFY(testing::sameColours(f.woven(), flipped));

    drawText(f, QStringLiteral("weave"), 5, 40);
    workspace::weave(f.ws);
    QVERIFY(testing::sameColours(f.woven(), picture));
}
