#include "help/tutorial.h"

#include "help/tutorialpanel.h"
#include "platform/dialogs.h"
#include "settings/settings.h"

#include <QCheckBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>

namespace weftara::help {

Tutorial::Tutorial(TutorialPanel &panel, settings::Settings &settings, platform::ProgramFolder programFolder,
                   platform::Dialogs &dialogs, QObject *parent)
    : QObject(parent)
    , m_panel(panel)
    , m_settings(settings)
    , m_programFolder(std::move(programFolder))
    , m_dialogs(dialogs)
{
    connect(panel.hideNextTimeCheckBox(), &QCheckBox::clicked, this, &Tutorial::onHideNextTimeClicked);
    connect(panel.writeButton(), &QPushButton::clicked, this, &Tutorial::writeTutorial);
    connect(panel.closeButton(), &QPushButton::clicked, this, &Tutorial::closeTutorial);
}

QString Tutorial::filePath() const
{
    return m_programFolder.filePath(TutorialFileName);
}

void Tutorial::prepare(const QRect &tabStripTwips)
{
    const bool hidden = m_settings.value(settings::HideTutorialKey, QStringLiteral("0")) == u"1";
    m_panel.setVisible(!hidden);
    m_panel.placeOver(tabStripTwips);
    if (!hidden)
        m_panel.raise();

    const platform::TextFileContents contents = platform::readTextFile(filePath());
    m_encoding = contents.ok() ? contents.encoding : platform::TextEncoding::Utf8;
    // Every line of the file ends with a line end in the box.
    QString text;
    for (const QString &line : contents.lines)
        text += line + u'\n';
    m_panel.tutorialBox()->setPlainText(text);
}

void Tutorial::showTutorial()
{
    m_panel.show();
    m_panel.raise();
    storeHideNextTime();
}

void Tutorial::onHideNextTimeClicked()
{
    storeHideNextTime();
}

void Tutorial::storeHideNextTime()
{
    const bool ticked = m_panel.hideNextTimeCheckBox()->isChecked();
    m_settings.setValue(settings::HideTutorialKey, ticked ? QStringLiteral("1") : QStringLiteral("0"));
    m_settings.write();
}

bool Tutorial::writeTutorial()
{
    const QStringList lines = platform::splitLines(m_panel.tutorialBox()->toPlainText());
    const platform::TextEncoding encoding = platform::encodingKeeping(lines, m_encoding);
    const QString path = filePath();
    if (!platform::writeTextFile(path, lines, encoding)) {
        m_dialogs.message(QStringLiteral("チュートリアル（tutor.txt）を書き込めません。\n%1\n"
                                         "文章はパネルに残っています。")
                              .arg(QDir::toNativeSeparators(path)));
        return false;
    }
    m_encoding = encoding;
    return true;
}

void Tutorial::closeTutorial()
{
    m_panel.hide();
}

} // namespace weftara::help
