#pragma once

#include <QListWidget>
#include <QString>

namespace weftara::collections {

// A folder list in the manner of a classic directory list box: the chosen
// folder's ancestors from the root down, the chosen folder itself (open)
// and, indented below it, its subfolders. Activating an entry (double click
// or Enter) moves to that folder. Hidden folders are left out.
class FolderList : public QListWidget
{
    Q_OBJECT

public:
    explicit FolderList(QWidget *parent = nullptr);

    // The chosen folder, absolute and cleaned; empty before the first move.
    const QString &path() const { return m_path; }
    // Moves to `folder` (made absolute and cleaned). pathChanged is sent
    // when that changes the chosen folder; a folder that does not exist is
    // refused (false).
    bool setPath(const QString &folder);

    // The full path an entry stands for.
    static QString pathOfItem(const QListWidgetItem *item);

signals:
    void pathChanged(const QString &path);

private:
    void rebuild();

    QString m_path;
};

} // namespace weftara::collections
