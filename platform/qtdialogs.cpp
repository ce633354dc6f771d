#include "platform/qtdialogs.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace weftara::platform {

QtDialogs::QtDialogs(QWidget *parent)
    : m_parent(parent)
{
}

void QtDialogs::message(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Weftara"), text, QMessageBox::Ok,
                    m_parent.data());
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}

std::optional<QFont> QtDialogs::chooseFont(const QFont &initial)
{
    bool accepted = false;
    const QFont font = QFontDialog::getFont(&accepted, initial, m_parent.data());
    if (!accepted)
        return std::nullopt;
    return font;
}

std::optional<QColor> QtDialogs::chooseColor(const QColor &initial)
{
    const QColor color = QColorDialog::getColor(initial, m_parent.data());
    if (!color.isValid())
        return std::nullopt;
    return color;
}

} // namespace weftara::platform
