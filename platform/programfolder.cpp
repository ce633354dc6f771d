#include "platform/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <utility>

namespace weftara::platform {

namespace {

bool isSeparator(QChar c)
{
    return c == u'\\' || c == u'/';
}

} // namespace

QString fileNameOf(QStringView path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i)
        if (isSeparator(path[i]))
            return path.mid(i + 1).toString();
    return {};
}

QString joinPath(QStringView folder, QStringView name)
{
    if (folder.isEmpty())
        return name.toString();
    QString joined = folder.toString();
    if (!isSeparator(joined.back()))
        joined += u'/';
    joined += name;
    return joined;
}

std::optional<QString> findChildIgnoringCase(const QString &folder, QStringView name)
{
    if (name.isEmpty())
        return std::nullopt;
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    const QFileInfo exact(dir, name.toString());
    if (exact.exists() && exact.fileName() == name)
        return joinPath(folder, name);
    // Sorted by name so that the choice among names that differ only in case
    // is the same on every run.
    const QStringList entries = dir.entryList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &entry : entries)
        if (QStringView(entry).compare(name, Qt::CaseInsensitive) == 0)
            return joinPath(folder, entry);
    return std::nullopt;
}

QString resolveIgnoringCase(const QString &folder, QStringView relative)
{
    QString current = folder;
    bool resolving = true;
    qsizetype start = 0;
    while (start <= relative.size()) {
        qsizetype end = start;
        while (end < relative.size() && !isSeparator(relative[end]))
            ++end;
        const QStringView part = relative.mid(start, end - start);
        if (!part.isEmpty()) {
            std::optional<QString> found;
            if (resolving)
                found = findChildIgnoringCase(current, part);
            resolving = found.has_value();
            current = found ? *found : joinPath(current, part);
        }
        start = end + 1;
    }
    return current;
}

ProgramFolder::ProgramFolder(QString path)
    : m_path(std::move(path))
{
    while (m_path.size() > 1 && isSeparator(m_path.back()))
        m_path.chop(1);
}

ProgramFolder ProgramFolder::ofExecutable()
{
    return ProgramFolder(QCoreApplication::applicationDirPath());
}

QString ProgramFolder::filePath(QStringView relative) const
{
    return resolveIgnoringCase(m_path, relative);
}

std::optional<QString> ProgramFolder::findChild(QStringView name) const
{
    return findChildIgnoringCase(m_path, name);
}

} // namespace weftara::platform
