#pragma once

#include <QObject>

class PanelDraggerTest : public QObject
{
    Q_OBJECT

private slots:
    void drag_data();
    void drag();
    void oneMovePerTick();
    void pressRaises();
};
