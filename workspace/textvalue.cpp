#include "workspace/textvalue.h"

namespace weftara::workspace {

TextValue::TextValue(const QString &text, QObject *parent)
    : QObject(parent)
    , m_text(text.left(MaximumLength))
{
}

void TextValue::setText(const QString &text)
{
    const QString kept = text.left(MaximumLength);
    if (kept == m_text)
        return;
    m_text = kept;
    emit textChanged(m_text);
}

} // namespace weftara::workspace
