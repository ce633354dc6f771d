#include "platform/qtdialogs.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QProgressDialog>

namespace weftara::platform {

namespace {

class ProgressBox final : public Progress
{
public:
    ProgressBox(const QString &text, QWidget *parent)
        : m_box(text, QStringLiteral("中止"), 0, 0, parent)
    {
        m_box.setWindowTitle(QStringLiteral("Weftara"));
        m_box.setWindowModality(Qt::WindowModal);
        m_box.setMinimumDuration(500);
        m_box.setAutoClose(false);
        m_box.setAutoReset(false);
    }

    bool report(int done, int total) override
    {
        m_box.setMaximum(total);
        m_box.setValue(done);
        // Until the box shows (and shuts the window off), the window is
        // repainted but takes no clicks or keys.
        if (!m_box.isVisible())
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return !m_box.wasCanceled();
    }

private:
    QProgressDialog m_box;
};

} // namespace

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

bool QtDialogs::ask(const QString &question)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Weftara"), question, QMessageBox::Yes | QMessageBox::No,
                    m_parent.data());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("はい"));
    box.button(QMessageBox::No)->setText(QStringLiteral("いいえ"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
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

std::unique_ptr<Progress> QtDialogs::startProgress(const QString &text)
{
    return std::make_unique<ProgressBox>(text, m_parent.data());
}

namespace {

// "JPGファイル (*.jpg)" -> "jpg"; empty when the filter names no single ending.
QString endingOf(const QString &filter)
{
    const qsizetype star = filter.lastIndexOf(QStringLiteral("*."));
    if (star < 0)
        return {};
    QString ending = filter.mid(star + 2);
    ending.chop(ending.endsWith(u')') ? 1 : 0);
    return ending;
}

} // namespace

std::optional<SaveChoice> QtDialogs::chooseSaveFile(const QString &title, const QStringList &filters)
{
    QFileDialog dialog(m_parent.data(), title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    // A name typed without an ending gets the chosen filter's, before the
    // dialog asks whether to replace an existing file of that name.
    const auto takeEnding = [&dialog](const QString &filter) { dialog.setDefaultSuffix(endingOf(filter)); };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, takeEnding);
    if (!filters.isEmpty()) {
        dialog.selectNameFilter(filters.first());
        takeEnding(filters.first());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const qsizetype filter = filters.indexOf(dialog.selectedNameFilter());
    return SaveChoice{dialog.selectedFiles().first(), filter < 0 ? 0 : int(filter)};
}

} // namespace weftara::platform
