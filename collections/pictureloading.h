#pragma once

#include "workspace/workspace.h"

#include <QImage>
#include <QString>

namespace weftara::platform {
class ProgramFolder;
} // namespace weftara::platform

namespace weftara::collections {

// Brings base and pattern pictures from files into the workspace.
//
// A path whose file is gone is looked up by its file name in the program
// folder's "motoe" / "garae" folder (any letter case), and the path is
// replaced by the one actually loaded. A picture that cannot be read shows
// the loader's message and leaves the workspace exactly as it was.
class PictureLoading
{
public:
    // Both must outlive this object.
    PictureLoading(workspace::Workspace &ws, const platform::ProgramFolder &programFolder);

    // Loads a base picture and its copy: the pattern, the woven picture and
    // the other copies are emptied, every copy counts as just loaded, the
    // base tab shows the picture, the zoom box reads "100" and the log starts
    // afresh with the load. False when nothing was loaded (its message has
    // been shown).
    bool loadBase(QString &path);

    // The next base load takes `snapshot` (a picture from the snapshot
    // store) for the base picture and its copy instead of reading the file;
    // the path is still resolved and logged. A null image cancels that.
    void loadFromSnapshot(const QImage &snapshot) { m_snapshot = snapshot; }
    bool snapshotPending() const { return !m_snapshot.isNull(); }

    // Loads a pattern picture and tiles it over the base picture's area; the
    // base tab is selected and the load is logged. While a recipe is
    // replayed the pattern stays hidden. False when nothing was loaded (its
    // message has been shown).
    bool loadPattern(QString &path);

    // Tiles the pattern as loaded from the top-left corner over the whole of
    // the pattern picture, and keeps the tiled pattern in the woven
    // picture's copy.
    void tilePattern();

private:
    // Selects the tab; when it is already selected no tab change runs, so
    // its picture is brought to view here.
    void showTab(workspace::Tab tab);

    workspace::Workspace &m_ws;
    const platform::ProgramFolder &m_programFolder;
    QImage m_snapshot;
};

} // namespace weftara::collections
