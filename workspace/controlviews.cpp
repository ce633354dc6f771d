#include "workspace/controlviews.h"

#include "workspace/onoffvalue.h"
#include "workspace/rangedvalue.h"
#include "workspace/tabselection.h"
#include "workspace/textvalue.h"
#include "workspace/workspace.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabBar>

namespace weftara::workspace {

void bindView(QScrollBar &slider, RangedValue &value)
{
    slider.setRange(value.minimum(), value.maximum());
    slider.setValue(value.value());
    QObject::connect(&value, &RangedValue::valueSet, &slider, &QScrollBar::setValue);
    QObject::connect(&slider, &QScrollBar::valueChanged, &value, &RangedValue::setValue);
}

void bindView(QLineEdit &box, TextValue &value)
{
    box.setText(value.text());
    // Setting the same text again would move the cursor of a user typing.
    QObject::connect(&value, &TextValue::textChanged, &box, [&box](const QString &text) {
        if (box.text() != text)
            box.setText(text);
    });
    QObject::connect(&box, &QLineEdit::textChanged, &value, &TextValue::setText);
}

void bindView(QCheckBox &checkBox, OnOffValue &value)
{
    checkBox.setChecked(value.isChecked());
    QObject::connect(&value, &OnOffValue::toggled, &checkBox, &QCheckBox::setChecked);
    QObject::connect(&checkBox, &QCheckBox::toggled, &value, &OnOffValue::setChecked);
}

void bindView(QTabBar &tabStrip, TabSelection &selection)
{
    const auto indexOf = [](Tab tab) { return int(tab) - int(Tab::BaseCollection); };
    tabStrip.setCurrentIndex(indexOf(selection.current()));
    QObject::connect(&selection, &TabSelection::currentChanged, &tabStrip,
                     [&tabStrip, indexOf](Tab tab) { tabStrip.setCurrentIndex(indexOf(tab)); });
    QObject::connect(&tabStrip, &QTabBar::currentChanged, &selection, [&selection](int index) {
        if (index >= 0)
            selection.select(Tab(index + int(Tab::BaseCollection)));
    });
}

} // namespace weftara::workspace
