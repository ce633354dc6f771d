#pragma once

#include <QObject>

// The writers of the log's line groups: the lines they write and when a
// group overwrites the one before it.
class LogGroupsTest : public QObject
{
    Q_OBJECT

private slots:
    void weaveGroup_data();
    void weaveGroup();
    void toneGroup_data();
    void toneGroup();
    void zoomGroup_data();
    void zoomGroup();
    void effectAndColourLines();
    void sizeGroupIsAppendedOrReplaced_data();
    void sizeGroupIsAppendedOrReplaced();
    void capacity();
};
