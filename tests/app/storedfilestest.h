#pragma once

#include <QObject>

// A recipe file and a settings file written by an earlier build of the
// program (in stored/), with what its replay of each recipe left behind:
// this build must read, replay and write them exactly as that one did.
class StoredFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void recipesReplayAsBefore();
    void settingsLoadAndRewriteUnchanged();
};
