#pragma once

#include "platform/textfile.h"

#include <QString>
#include <QStringView>

#include <array>

namespace weftara::platform {
class Dialogs;
class ProgramFolder;
} // namespace weftara::platform

namespace weftara::settings {

// The settings file in the program folder, and the keys the program stores.
inline constexpr QStringView SettingsFileName = u"Weftara.ini";
// The main window's place and size, in twips.
inline constexpr QStringView WindowLeftKey = u"MainLeft";
inline constexpr QStringView WindowTopKey = u"MainTop";
inline constexpr QStringView WindowWidthKey = u"MainWidth";
inline constexpr QStringView WindowHeightKey = u"MainHeight";
// The folders of the base and the pattern collection.
inline constexpr QStringView BaseFolderKey = u"MotoEpath";
inline constexpr QStringView PatternFolderKey = u"GaraEpath";
// "1" keeps the tutorial panel closed at start-up; anything else opens it.
inline constexpr QStringView HideTutorialKey = u"TutorShow";

// The settings table and its file: 31 key/value slots, one "key,value" line
// per used slot. The program owns one instance for its whole run; tests make
// their own on a temporary folder.
//
// Used slots form a prefix: the first slot with an empty key ends the table
// for every lookup, store and write. Keys are compared case-sensitively.
class Settings
{
public:
    static constexpr int SlotCount = 31;

    // `path` is the file to read and write; `dialogs` reports a file that
    // cannot be written and must outlive this object.
    Settings(QString path, platform::Dialogs &dialogs);

    // The settings file in the program folder, in whatever letter case it has.
    static QString pathIn(const platform::ProgramFolder &folder);

    // Reads the file over the table. A missing or unreadable file leaves the
    // table as it is. Record n goes to slot n (a record with an empty key
    // uses up its slot without filling it); reading stops at the first
    // non-empty key past the 31st slot. Slots past the records read keep
    // their contents, so reading the same file twice changes nothing.
    void read();

    // The value stored for `key`, or `defaultValue` when the table has no
    // such key. A full table without the key gives empty text.
    QString value(QStringView key, const QString &defaultValue) const;

    // Stores the value in the table, adding the key after the used slots
    // when it is new. A new key that finds no free slot is ignored.
    void setValue(QStringView key, const QString &value);

    // Replaces the file with the used slots, atomically and in the encoding
    // the file was read in. Returns false when the file cannot be written;
    // the first of a run of such failures is reported through the dialogs.
    bool write();

private:
    struct Slot
    {
        QString key;
        QString value;
    };

    QString m_path;
    platform::Dialogs &m_dialogs;
    std::array<Slot, SlotCount> m_slots;
    platform::TextEncoding m_encoding = platform::TextEncoding::Utf8;
    bool m_writeFailureShown = false;
};

} // namespace weftara::settings
