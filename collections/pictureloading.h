#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <optional>

namespace weftara::platform {
class ProgramFolder;
} // namespace weftara::platform

namespace weftara::workspace {
class Workspace;
} // namespace weftara::workspace

namespace weftara::collections {

// A base picture taken from the temporary picture store instead of a file:
// the stored picture for Picture1(0) and its preview for Picture3(0).
struct StoredBasePicture
{
    QImage picture;
    QImage preview;
};

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

    // Loads a base picture onto Picture1(0) and its copy Picture3(0): the
    // pattern, the woven picture and the other copies are emptied, FlgState
    // becomes 0, tab 3 shows the picture, the zoom box reads "100" and the
    // log restarts with "Motoe=" + path. False when nothing was loaded
    // ("画像ファイル又はパスが見つかりません。" has been shown).
    bool MotoeLoad(QString &path);

    // Loads a pattern picture onto Picture2(0) and tiles it over the base
    // picture's area on Picture1(1) (and its copy Picture3(2)); tab 3 is
    // selected and "Garae=" + path is appended to the log. While a recipe is
    // replayed (LogSaiseiFlg) Picture1(1) stays hidden. False when nothing
    // was loaded ("柄絵が読めません" has been shown).
    bool GaraeLoad(QString &path);

    // Tiles Picture2(0) from the top-left corner over the whole of
    // Picture1(1) and copies the result to Picture3(2).
    void GaraeTile();

    // While set, the next base load takes its picture from the temporary
    // picture store (through the source below) instead of the file; a
    // successful base load clears it.
    bool HozonLoadFlg() const { return m_hozonLoadFlg; }
    void setHozonLoadFlg(bool on) { m_hozonLoadFlg = on; }

    // Where a base load under HozonLoadFlg gets its picture: the temporary
    // store's selected entry. Without a source, or when it has nothing, the
    // load fails as an unreadable file does.
    using HozonSource = std::function<std::optional<StoredBasePicture>()>;
    void setHozonSource(HozonSource source) { m_hozonSource = std::move(source); }

private:
    std::optional<StoredBasePicture> readBase(const QString &path) const;
    // Selects tab t; when it is already selected no tab change runs, so its
    // picture is brought to view here.
    void showTab(int t);

    workspace::Workspace &m_ws;
    const platform::ProgramFolder &m_programFolder;
    bool m_hozonLoadFlg = false;
    HozonSource m_hozonSource;
};

} // namespace weftara::collections
