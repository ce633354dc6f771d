#pragma once

#include <QObject>

class InteractionTest : public QObject
{
    Q_OBJECT

private slots:
    void messageBoxHasOnlyOk();
    void colorDialogAnswers();
    void fontDialogAnswers();
    void saveDialogAddsTheChosenEnding();
    void scriptedDialogsRecordAndAnswer();
    void busyCursorNests();
};
