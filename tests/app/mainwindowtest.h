#pragma once

#include <QObject>

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void captionAndMenus();
    void exitClosesWindow();
};
