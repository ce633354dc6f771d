#include "help/aboutdialog.h"

#include "help/programicon.h"
#include "help/version.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace weftara::help {

namespace {

// The Japanese face every label falls back to when the face it names is
// not installed (as it is not outside Windows).
constexpr QStringView FallbackFamily = u"Noto Sans CJK JP";

// A font of the named face, or of the fallback face at the same weight.
QFont designFont(const QFont &base, QStringView family, QFont::Weight weight, int pointSize)
{
    QFont font = base;
    font.setFamilies({family.toString(), FallbackFamily.toString()});
    font.setWeight(weight);
    font.setPointSize(pointSize);
    return font;
}

// One of the two lines that together draw an etched rule: a dark line
// with a light one just below it.
QFrame *makeSeparator(QWidget *parent, QPalette::ColorRole color)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setFixedHeight(1);
    QPalette palette = line->palette();
    palette.setColor(QPalette::WindowText, palette.color(color));
    line->setPalette(palette);
    return line;
}

} // namespace

AboutDialog::AboutDialog(platform::Desktop &desktop, platform::Dialogs &dialogs, QWidget *parent)
    : QDialog(parent)
    , m_desktop(desktop)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報  Weftara"));

    m_iconLabel = new QLabel(this);
    m_iconLabel->setObjectName(QStringLiteral("iconLabel"));
    m_iconLabel->setPixmap(programIcon().pixmap(48, 48));
    m_iconLabel->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    m_iconLabel->setMinimumWidth(56);

    m_titleLabel = new QLabel(QStringLiteral("Weftara   Weftara"), this);
    m_titleLabel->setObjectName(QStringLiteral("titleLabel"));
    // The title's face is an ultra-bold gothic.
    m_titleLabel->setFont(designFont(font(), u"HG創英角ｺﾞｼｯｸUB", QFont::Black, 16));

    m_versionLabel = new QLabel(QStringLiteral("ﾊﾞｰｼﾞｮﾝ ") + programVersion(), this);
    m_versionLabel->setObjectName(QStringLiteral("versionLabel"));
    m_versionLabel->setFont(designFont(font(), u"ＭＳ Ｐゴシック", QFont::Normal, 10));

    m_descriptionLabel = new QLabel(QStringLiteral("ｱﾌﾟﾘｹｰｼｮﾝの説明"), this);
    m_descriptionLabel->setObjectName(QStringLiteral("descriptionLabel"));

    m_noticeLabel = new QLabel(QStringLiteral("Copyright © Weftara の開発者\n"
                                              "このプログラムは著作権法によって保護されています。"),
                               this);
    m_noticeLabel->setObjectName(QStringLiteral("noticeLabel"));

    m_separators = {makeSeparator(this, QPalette::Dark), makeSeparator(this, QPalette::Light)};

    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setDefault(true);
    m_systemInfoButton = new QPushButton(QStringLiteral("ｼｽﾃﾑ情報(&S)..."), this);
    m_systemInfoButton->setObjectName(QStringLiteral("systemInfoButton"));
    m_systemInfoButton->setAutoDefault(false);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_systemInfoButton, &QPushButton::clicked, this, &AboutDialog::startSystemInfo);

    auto *texts = new QVBoxLayout;
    texts->addWidget(m_titleLabel);
    texts->addWidget(m_versionLabel);
    texts->addSpacing(8);
    texts->addWidget(m_descriptionLabel);
    auto *head = new QHBoxLayout;
    head->addWidget(m_iconLabel);
    head->addLayout(texts, 1);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_systemInfoButton);
    auto *foot = new QHBoxLayout;
    foot->addWidget(m_noticeLabel, 1);
    foot->addSpacing(12);
    foot->addLayout(buttons);

    auto *all = new QVBoxLayout(this);
    all->addLayout(head);
    auto *rule = new QVBoxLayout;
    rule->setSpacing(0);
    rule->addWidget(m_separators[0]);
    rule->addWidget(m_separators[1]);
    all->addSpacing(6);
    all->addLayout(rule);
    all->addSpacing(6);
    all->addLayout(foot);
    all->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutDialog::startSystemInfo()
{
    if (!platform::startFirstInstalled(m_desktop, SystemInfoPrograms))
        m_dialogs.message(QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"));
}

} // namespace weftara::help
