#pragma once

#include <QDialog>
#include <QStringView>

#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace weftara::platform {
class Desktop;
class Dialogs;
} // namespace weftara::platform

namespace weftara::help {

// The system-information programs "ｼｽﾃﾑ情報(&S)..." looks for, in this order.
inline constexpr std::array<QStringView, 4> SystemInfoPrograms{u"hardinfo2", u"hardinfo", u"kinfocenter",
                                                               u"gnome-system-monitor"};

// The About box "ﾊﾞｰｼﾞｮﾝ情報  Weftara": the program icon, its title and
// version, a rights notice, "OK" and "ｼｽﾃﾑ情報(&S)...".
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    // `desktop` starts the system-information program, `dialogs` says when
    // there is none; both must outlive the box.
    AboutDialog(platform::Desktop &desktop, platform::Dialogs &dialogs, QWidget *parent = nullptr);

    QLabel *iconLabel() const { return m_iconLabel; }
    QLabel *titleLabel() const { return m_titleLabel; }
    QLabel *versionLabel() const { return m_versionLabel; }
    QLabel *descriptionLabel() const { return m_descriptionLabel; }
    QLabel *noticeLabel() const { return m_noticeLabel; }
    QPushButton *okButton() const { return m_okButton; }
    QPushButton *systemInfoButton() const { return m_systemInfoButton; }

    // Starts the first system-information program installed; without one
    // (or when it does not start) says "現時点ではｼｽﾃﾑ情報を使用できません".
    void startSystemInfo();

private:
    platform::Desktop &m_desktop;
    platform::Dialogs &m_dialogs;
    QLabel *m_iconLabel = nullptr;
    QLabel *m_titleLabel = nullptr;
    QLabel *m_versionLabel = nullptr;
    QLabel *m_descriptionLabel = nullptr;
    QLabel *m_noticeLabel = nullptr;
    std::array<QFrame *, 2> m_separators{};
    QPushButton *m_okButton = nullptr;
    QPushButton *m_systemInfoButton = nullptr;
};

} // namespace weftara::help
