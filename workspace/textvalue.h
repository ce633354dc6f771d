#pragma once

#include <QObject>
#include <QString>

namespace weftara::workspace {

// The text of a box. It keeps at most as many characters as a line edit
// does, so that a recipe's overlong number reads the same with or without
// a window. textChanged fires only when the text really changes.
class TextValue : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaximumLength = 32767;

    TextValue() = default;
    explicit TextValue(const QString &text, QObject *parent = nullptr);

    const QString &text() const { return m_text; }
    void setText(const QString &text);

signals:
    void textChanged(const QString &text);

private:
    QString m_text;
};

} // namespace weftara::workspace
