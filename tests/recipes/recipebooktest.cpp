#include "recipes/recipebooktest.h"

#include "recipes/recordingactions.h"
#include "support/filebytes.h"
#include "support/scripteddialogs.h"

#include "recipes/recipebook.h"
#include "recipes/recipepanel.h"
#include "recipes/operationlog.h"
#include "workspace/workspace.h"
#include "workspace/workspaceform.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace weftara;
using recipes::RecipeBook;
using recipes::RecipePanel;
using testing::readBytes;
using testing::writeBytes;

namespace {

QByteArray crlf(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

// A headless form with the recipe panel on it and a recording of what replay does.
struct Book
{
    QTemporaryDir dir;
    testing::ScriptedDialogs dialogs;
    workspace::WorkspaceForm form{dialogs};
    RecipePanel *panel = new RecipePanel(&form);
    recipes::testing::RecordingActions actions;
    RecipeBook book{*panel, form.workspace(), actions, dir.filePath("kotoba.txt")};

    QString file() const { return book.recipeFile(); }
    recipes::OperationLog &log() { return form.workspace().log(); }
    QStringList names() const
    {
        QStringList names;
        for (int i = 0; i < panel->nameList()->count(); ++i)
            names << panel->nameList()->item(i)->text();
        return names;
    }
    void clickName(int row)
    {
        QListWidget *list = panel->nameList();
        list->setCurrentRow(row);
        const QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }
};

const QStringList twoRecipes{"詞初め朝", "詞の説明=朝の庭", "Motoe=C:\\pic\\a.bmp", "Text2=50", "Orikomi",
                             "詞終わり", "", "詞初め夜", "詞の説明=", "SelectedItem=2", "単色 2",
                             "詞終わり", ""};

} // namespace

void RecipeBookTest::openWithoutFileKeepsLists()
{
    Book b;
    b.book.openPanel();
    QVERIFY(b.panel->isVisibleTo(&b.form));
    QCOMPARE(b.panel->geometry(), QRect(400, 85, 271, 427));
    QVERIFY(b.names().isEmpty());
    QVERIFY(!QFile::exists(b.file()));
    // The name list covers the line list exactly.
    QCOMPARE(b.panel->nameList()->geometry(), b.panel->lineList()->geometry());
}

void RecipeBookTest::saveAndList()
{
    Book b;
    b.book.openPanel();
    b.log().append(QStringList{"Motoe=/p/base.jpg", "Text2=30", "Orikomi"});
    b.panel->nameBox()->setText(QStringLiteral("春"));
    b.panel->descriptionBox()->setPlainText(QStringLiteral("一行目\n二行目"));
    b.panel->saveButton()->click();

    QCOMPARE(readBytes(b.file()), crlf({"詞初め春", "詞の説明=一行目二行目", "Motoe=/p/base.jpg", "Text2=30",
                                      "Orikomi", "詞終わり", ""}));
    QCOMPARE(b.names(), QStringList{"春"});
    QCOMPARE(b.panel->lineList()->count(), 7);
    QCOMPARE(b.panel->descriptionBox()->toPlainText(),
             QStringLiteral("上のリストをクリックするとLogの画像が表示されます。"));
    QVERIFY(b.dialogs.messages().isEmpty());
}

void RecipeBookTest::saveRefusals_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("same name, other case and blanks")
        << " ＡBC " << "同じ名前があります、名前を変えてください。";
    QTest::newRow("empty name") << "   " << "織り詞の名前を入れてください。";
}

void RecipeBookTest::saveRefusals()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    Book b;
    QVERIFY(writeBytes(b.file(), crlf({"詞初めＡbc", "詞の説明=", "詞終わり", ""})));
    b.book.openPanel();
    const QByteArray before = readBytes(b.file());
    b.panel->nameBox()->setText(name);
    b.panel->saveButton()->click();
    QCOMPARE(b.dialogs.messages(), QStringList{message});
    QCOMPARE(readBytes(b.file()), before);
}

void RecipeBookTest::saveFixesPendingText()
{
    Book b;
    bool open = true;
    b.book.setFixPendingText([&] { b.log().append(QStringLiteral("文字織込")); open = false; },
                             [&] { return open; });
    b.book.openPanel();
    b.panel->nameBox()->setText(QStringLiteral("文字"));
    b.panel->saveButton()->click();
    QCOMPARE(readBytes(b.file()), crlf({"詞初め文字", "詞の説明=", "文字織込", "詞終わり", ""}));
}

void RecipeBookTest::clickReplaysTheBlock()
{
    Book b;
    QVERIFY(writeBytes(b.file(), crlf(twoRecipes)));
    b.book.openPanel();
    QCOMPARE(b.names(), (QStringList{"朝", "夜"}));

    b.clickName(1);
    QCOMPARE(b.panel->nameBox()->text(), QStringLiteral("夜"));
    QCOMPARE(b.actions.calls, (QStringList{"clearLog()", "setDescriptionBox()", "selectTab(5)", "runEffect(0)"}));
    QVERIFY(!b.form.workspace().flags().replaying);
    // The block is marked in the file's line list.
    QList<int> selected;
    for (int i = 0; i < b.panel->lineList()->count(); ++i)
        if (b.panel->lineList()->item(i)->isSelected())
            selected << i;
    QCOMPARE(selected, (QList<int>{7, 8, 9, 10, 11}));
}

void RecipeBookTest::deleteTheSelected()
{
    Book b;
    QVERIFY(writeBytes(b.file(), crlf(twoRecipes)));
    b.book.openPanel();
    b.clickName(0);
    b.panel->deleteButton()->click();
    QCOMPARE(readBytes(b.file()), crlf({"詞初め夜", "詞の説明=", "SelectedItem=2", "単色 2", "詞終わり", ""}));
    QCOMPARE(b.names(), QStringList{"夜"});
    QVERIFY(b.panel->nameBox()->text().isEmpty());

    // Selected with the keyboard, never clicked: the selected name's own
    // block goes, not a stale one.
    QVERIFY(writeBytes(b.file(), crlf(twoRecipes)));
    b.book.openPanel();
    b.clickName(0);
    b.panel->nameList()->setCurrentRow(1);
    b.panel->deleteButton()->click();
    QCOMPARE(readBytes(b.file()), crlf({"詞初め朝", "詞の説明=朝の庭", "Motoe=C:\\pic\\a.bmp", "Text2=50", "Orikomi",
                                      "詞終わり", ""}));

    // Gone from the file meanwhile: said so, and the list shows the file.
    QVERIFY(writeBytes(b.file(), crlf({"詞初め昼", "詞終わり"})));
    b.clickName(0);
    b.panel->deleteButton()->click();
    QCOMPARE(b.dialogs.messages().size(), 1);
    QCOMPARE(readBytes(b.file()), crlf({"詞初め昼", "詞終わり"}));
    QCOMPARE(b.names(), QStringList{"昼"});

    // Nothing selected: nothing happens.
    b.panel->nameList()->setCurrentRow(-1);
    const QByteArray before = readBytes(b.file());
    b.panel->deleteButton()->click();
    QCOMPARE(readBytes(b.file()), before);
}

void RecipeBookTest::unwritableFileIsReported()
{
    Book b;
    // A folder where the recipe file should be: nothing can be written.
    QVERIFY(QDir().mkpath(b.file()));
    b.book.openPanel();
    b.panel->nameBox()->setText(QStringLiteral("名"));
    b.panel->saveButton()->click();
    QCOMPARE(b.dialogs.messages(), QStringList{"織り詞のファイル（kotoba.txt）に書き込めません。"});
}
