#include "recipes/recipebooktest.h"

#include "recipes/recordingtarget.h"
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

// A headless form with the recipe panel on it and a recording replay target.
struct Book
{
    QTemporaryDir dir;
    testing::ScriptedDialogs dialogs;
    workspace::WorkspaceForm form{dialogs};
    RecipePanel *panel = new RecipePanel(&form);
    recipes::testing::RecordingTarget target;
    RecipeBook book{*panel, form.workspace(), target, dir.filePath("kotoba.txt")};

    QString file() const { return book.recipeFile(); }
    recipes::OperationLog &log() { return form.workspace().LstLog(); }
    QStringList names() const
    {
        QStringList names;
        for (int i = 0; i < panel->List3()->count(); ++i)
            names << panel->List3()->item(i)->text();
        return names;
    }
    void clickName(int row)
    {
        QListWidget *list = panel->List3();
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
    b.book.mr_Click();
    QVERIFY(b.panel->isVisibleTo(&b.form));
    QCOMPARE(b.panel->geometry(), QRect(400, 85, 271, 427));
    QVERIFY(b.names().isEmpty());
    QVERIFY(!QFile::exists(b.file()));
    // List3 covers List2 exactly.
    QCOMPARE(b.panel->List3()->geometry(), b.panel->List2()->geometry());
}

void RecipeBookTest::saveAndList()
{
    Book b;
    b.book.mr_Click();
    b.log().append(QStringList{"Motoe=/p/base.jpg", "Text2=30", "Orikomi"});
    b.panel->Text5()->setText(QStringLiteral("春"));
    b.panel->Text11()->setPlainText(QStringLiteral("一行目\n二行目"));
    b.panel->Command4()->click();

    QCOMPARE(readBytes(b.file()), crlf({"詞初め春", "詞の説明=一行目二行目", "Motoe=/p/base.jpg", "Text2=30",
                                      "Orikomi", "詞終わり", ""}));
    QCOMPARE(b.names(), QStringList{"春"});
    QCOMPARE(b.panel->List2()->count(), 7);
    QCOMPARE(b.panel->Text11()->toPlainText(),
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
    b.book.mr_Click();
    const QByteArray before = readBytes(b.file());
    b.panel->Text5()->setText(name);
    b.panel->Command4()->click();
    QCOMPARE(b.dialogs.messages(), QStringList{message});
    QCOMPARE(readBytes(b.file()), before);
}

void RecipeBookTest::saveFixesPendingText()
{
    Book b;
    bool open = true;
    b.book.setFixPendingText([&] { b.log().append(QStringLiteral("文字織込")); open = false; },
                             [&] { return open; });
    b.book.mr_Click();
    b.panel->Text5()->setText(QStringLiteral("文字"));
    b.panel->Command4()->click();
    QCOMPARE(readBytes(b.file()), crlf({"詞初め文字", "詞の説明=", "文字織込", "詞終わり", ""}));
}

void RecipeBookTest::clickReplaysTheBlock()
{
    Book b;
    QVERIFY(writeBytes(b.file(), crlf(twoRecipes)));
    b.book.mr_Click();
    QCOMPARE(b.names(), (QStringList{"朝", "夜"}));

    b.clickName(1);
    QCOMPARE(b.panel->Text5()->text(), QStringLiteral("夜"));
    QCOMPARE(b.book.LstlogBack(), (QStringList{"詞初め夜", "詞の説明=", "SelectedItem=2", "単色 2", "詞終わり"}));
    QCOMPARE(b.target.calls, (QStringList{"clearLog()", "setText11()", "selectTab(5)", "Command3_Click(0)"}));
    QVERIFY(!b.form.workspace().flags().LogSaiseiFlg);
    // The block is marked in the file's line list.
    QList<int> selected;
    for (int i = 0; i < b.panel->List2()->count(); ++i)
        if (b.panel->List2()->item(i)->isSelected())
            selected << i;
    QCOMPARE(selected, (QList<int>{7, 8, 9, 10, 11}));
}

void RecipeBookTest::deleteTheSelected()
{
    Book b;
    QVERIFY(writeBytes(b.file(), crlf(twoRecipes)));
    b.book.mr_Click();
    b.clickName(0);
    b.panel->Command5()->click();
    QCOMPARE(readBytes(b.file()), crlf({"詞初め夜", "詞の説明=", "SelectedItem=2", "単色 2", "詞終わり"}));
    QCOMPARE(b.names(), QStringList{"夜"});
    QVERIFY(b.panel->Text5()->text().isEmpty());

    // Selected with the keyboard, never clicked: the selected name's own
    // block goes, not a stale one.
    QVERIFY(writeBytes(b.file(), crlf(twoRecipes)));
    b.book.mr_Click();
    b.clickName(0);
    b.panel->List3()->setCurrentRow(1);
    b.panel->Command5()->click();
    QCOMPARE(readBytes(b.file()), crlf({"詞初め朝", "詞の説明=朝の庭", "Motoe=C:\\pic\\a.bmp", "Text2=50", "Orikomi",
                                      "詞終わり"}));

    // Nothing selected: nothing happens.
    b.panel->List3()->setCurrentRow(-1);
    const QByteArray before = readBytes(b.file());
    b.panel->Command5()->click();
    QCOMPARE(readBytes(b.file()), before);
}

void RecipeBookTest::unwritableFileIsReported()
{
    Book b;
    // A folder where the recipe file should be: nothing can be written.
    QVERIFY(QDir().mkpath(b.file()));
    b.book.mr_Click();
    b.panel->Text5()->setText(QStringLiteral("名"));
    b.panel->Command4()->click();
    QCOMPARE(b.dialogs.messages(), QStringList{"織り詞のファイル（kotoba.txt）に書き込めません。"});
}
