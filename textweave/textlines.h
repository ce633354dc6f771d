#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace weftara::textweave {

// The text of the text box is kept with CR LF line ends, as it is logged and
// replayed; the editor widget itself works with LF.

// Every line break (CR LF, a lone CR or LF, or the editor's paragraph
// separator U+2029) as CR LF.
QString toCrLf(QStringView text);

// The lines the text is drawn as: split at every line break. A text ending
// with a line break gives an empty last line; an empty text one empty line.
QStringList drawnLines(QStringView text);

// Vertical writing: the line breaks are removed, then every character is
// followed by CR LF ("ab" + CR LF -> "a" CR LF "b" CR LF). A character is a
// user-perceived one: a surrogate pair or a letter with its combining marks
// stays on one line.
QString verticalText(QStringView text);

} // namespace weftara::textweave
