#include "platform/interactiontest.h"

#include "platform/busycursor.h"
#include "platform/qtdialogs.h"
#include "support/scripteddialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QFontDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using weftara::platform::BusyCursor;
using weftara::platform::QtDialogs;
using weftara::testing::ScriptedDialogs;

namespace {

// Runs `handle` on the modal dialog once it is up (the real dialogs block in
// their own event loop until then).
template <class Dialog>
void whenModal(std::function<void(Dialog *)> handle)
{
    QTimer::singleShot(0, qApp, [handle] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        handle(dialog);
    });
}

} // namespace

void InteractionTest::messageBoxHasOnlyOk()
{
    QWidget window;
    QtDialogs dialogs(&window);
    QString title;
    QString text;
    QList<QAbstractButton *> buttons;
    bool ok = false;
    whenModal<QMessageBox>([&](QMessageBox *box) {
        title = box->windowTitle();
        text = box->text();
        buttons = box->buttons();
        ok = box->standardButton(buttons.value(0)) == QMessageBox::Ok;
        buttons.value(0)->click();
    });
    dialogs.message(QStringLiteral("元絵を選択してくださいね。"));
    QCOMPARE(title, QStringLiteral("Weftara"));
    QCOMPARE(text, QStringLiteral("元絵を選択してくださいね。"));
    QCOMPARE(buttons.size(), 1);
    QVERIFY(ok);
}

void InteractionTest::colorDialogAnswers()
{
    QtDialogs dialogs;
    whenModal<QColorDialog>([](QColorDialog *dialog) {
        QCOMPARE(dialog->currentColor(), QColor(10, 20, 30));
        dialog->setCurrentColor(QColor(255, 255, 192));
        dialog->accept();
    });
    QCOMPARE(dialogs.chooseColor(QColor(10, 20, 30)), std::optional<QColor>(QColor(255, 255, 192)));

    whenModal<QColorDialog>([](QColorDialog *dialog) { dialog->reject(); });
    QCOMPARE(dialogs.chooseColor(Qt::red), std::nullopt);
}

void InteractionTest::fontDialogAnswers()
{
    QtDialogs dialogs;
    QFont initial;
    initial.setPointSize(17);
    QFont shown;
    whenModal<QFontDialog>([&shown](QFontDialog *dialog) {
        shown = dialog->currentFont();
        dialog->accept();
    });
    const std::optional<QFont> font = dialogs.chooseFont(initial);
    QCOMPARE(font, std::optional<QFont>(shown));
    QCOMPARE(font->pointSize(), 17);

    whenModal<QFontDialog>([](QFontDialog *dialog) { dialog->reject(); });
    QCOMPARE(dialogs.chooseFont(initial), std::nullopt);
}

void InteractionTest::saveDialogAddsTheChosenEnding()
{
    QTemporaryDir dir;
    QtDialogs dialogs;
    const QStringList filters{"JPGファイル (*.jpg)", "BMPファイル (*.bmp)"};
    // A name typed without an ending, once under each filter as the user
    // picks it.
    for (int filter : {0, 1}) {
        whenModal<QFileDialog>([&dir, filter](QFileDialog *dialog) {
            dialog->setDirectory(dir.path());
            auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
            for (int step = 0; step < filter; ++step)
                QTest::keyClick(types, Qt::Key_Down);
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("pic"));
            static_cast<QDialog *>(dialog)->accept();
        });
        const auto choice = dialogs.chooseSaveFile(QStringLiteral("保存"), filters);
        QVERIFY(choice);
        QCOMPARE(choice->filter, filter);
        QCOMPARE(choice->fileName, dir.filePath(filter == 0 ? "pic.jpg" : "pic.bmp"));
    }
    whenModal<QFileDialog>([](QFileDialog *dialog) { dialog->reject(); });
    QCOMPARE(dialogs.chooseSaveFile(QStringLiteral("保存"), filters), std::nullopt);
}

void InteractionTest::scriptedDialogsRecordAndAnswer()
{
    ScriptedDialogs scripted;
    weftara::platform::Dialogs &dialogs = scripted;
    dialogs.message("a");
    dialogs.message("b");
    QCOMPARE(scripted.messages(), (QStringList{"a", "b"}));
    scripted.clearMessages();
    QVERIFY(scripted.messages().isEmpty());

    QFont big;
    big.setPointSize(40);
    scripted.queueFont(big);
    scripted.queueFont(std::nullopt);
    QCOMPARE(dialogs.chooseFont(QFont()), std::optional<QFont>(big));
    QCOMPARE(dialogs.chooseFont(big), std::nullopt);
    QCOMPARE(dialogs.chooseFont(big), std::nullopt); // queue empty: cancelled
    QCOMPARE(scripted.fontRequests().size(), 3);
    QCOMPARE(scripted.fontRequests().at(1), big);

    scripted.queueColor(QColor(Qt::blue));
    QCOMPARE(dialogs.chooseColor(Qt::black), std::optional<QColor>(QColor(Qt::blue)));
    QCOMPARE(dialogs.chooseColor(Qt::black), std::nullopt);
    QCOMPARE(scripted.colorRequests(), (QList<QColor>{Qt::black, Qt::black}));
}

void InteractionTest::busyCursorNests()
{
    QVERIFY(!QGuiApplication::overrideCursor());
    {
        BusyCursor outer;
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
        {
            BusyCursor inner;
            QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
        }
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
    }
    QVERIFY(!QGuiApplication::overrideCursor());
}
