#pragma once

#include <QObject>

namespace weftara::workspace {

// An option that is on or off, as a check box holds it. toggled fires only
// when it really changes.
class OnOffValue : public QObject
{
    Q_OBJECT

public:
    OnOffValue() = default;
    explicit OnOffValue(bool checked, QObject *parent = nullptr);

    bool isChecked() const { return m_checked; }
    void setChecked(bool checked);

signals:
    void toggled(bool checked);

private:
    bool m_checked = false;
};

} // namespace weftara::workspace
