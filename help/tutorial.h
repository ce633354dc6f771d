#pragma once

#include "platform/programfolder.h"
#include "platform/textfile.h"

#include <QObject>
#include <QRect>
#include <QStringView>

namespace weftara::platform {
class Dialogs;
} // namespace weftara::platform

namespace weftara::settings {
class Settings;
} // namespace weftara::settings

namespace weftara::help {

class TutorialPanel;

// The tutorial text beside the program.
inline constexpr QStringView TutorialFileName = u"tutor.txt";

// What the tutorial panel does: it opens at start-up unless the user asked
// it not to, shows tutor.txt, writes the edited text back and reopens from
// the help menu.
class Tutorial : public QObject
{
    Q_OBJECT

public:
    // `settings` holds the "don't show" choice; `dialogs` reports a text
    // that cannot be written. Both must outlive this object.
    Tutorial(TutorialPanel &panel, settings::Settings &settings, platform::ProgramFolder programFolder,
             platform::Dialogs &dialogs, QObject *parent = nullptr);

    // The start-up step: shows the panel unless the settings say "1",
    // places it over the tab strip (twips) and loads tutor.txt. A missing or
    // unreadable file leaves the text empty, without a message.
    void prepare(const QRect &tabStripTwips);

    // Menu "チュートリアルの表示": shows the panel and stores the check box.
    void showTutorial();
    // The check box was clicked: stores its state.
    void onHideNextTimeClicked();
    // "書込": replaces tutor.txt with the text, in the encoding the file was
    // read in, so that reading it again gives the same text. A text whose
    // last line has no line end gets one, as every line of the file does.
    // On failure the user is told and the text stays; returns false.
    bool writeTutorial();
    // "×": hides the panel; the setting is not changed.
    void closeTutorial();

private:
    void storeHideNextTime();
    QString filePath() const;

    TutorialPanel &m_panel;
    settings::Settings &m_settings;
    platform::ProgramFolder m_programFolder;
    platform::Dialogs &m_dialogs;
    platform::TextEncoding m_encoding = platform::TextEncoding::Utf8;
};

} // namespace weftara::help
