#pragma once

#include <QObject>

class EngineFadeTest : public QObject
{
    Q_OBJECT

private slots:
    void fadesMatchRule_data();
    void fadesMatchRule();
    void fadeExamples();
};
