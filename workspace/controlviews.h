#pragma once

class QCheckBox;
class QLineEdit;
class QScrollBar;
class QTabBar;

namespace weftara::workspace {

class OnOffValue;
class RangedValue;
class TabSelection;
class TextValue;

// Makes a widget the view of a control value, both ways: it takes the
// value (and a scroll bar its range) now, shows every later change, quiet
// ones too, and puts a user's change into the value, whose reactions then
// run once. A value set from code reaches the widget, whose own change
// signal finds the value unchanged. Bind the views before connecting the
// reactions, so that a reaction sees its widget already showing the value.
void bindView(QScrollBar &slider, RangedValue &value);
void bindView(QLineEdit &box, TextValue &value);
void bindView(QCheckBox &checkBox, OnOffValue &value);
void bindView(QTabBar &tabStrip, TabSelection &selection);

} // namespace weftara::workspace
