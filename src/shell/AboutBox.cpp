#include "shell/AboutBox.h"
#include "ui/ProductName.h"

#include "session/Settings.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QSysInfo>
#include <QVBoxLayout>

#include <algorithm>

namespace marovane {

namespace {

QString OperatingSystem() {
#if defined(Q_OS_WIN)
    return "Windows";
#elif defined(Q_OS_MACOS)
    return "macOS";
#elif defined(Q_OS_LINUX)
    return "Linux";
#else
    return QSysInfo::kernelType();
#endif
}

} // namespace

QString AboutBox::Version() {
    return MAROVANE_VERSION;
}

QString AboutBox::PlatformLine() {
    return tr("A Turn-Based Strategy War Game for %1 desktops (%2, Qt %3)")
        .arg(OperatingSystem(), QSysInfo::buildCpuArchitecture(), QT_VERSION_STR);
}

QString AboutBox::Credits() {
    return tr("Written by the Marovane developers.\n"
              "Every picture, pointer and icon is drawn by the game's own code when it is "
              "built. The letters of the Alphabet pictures are set in DejaVu Sans and the "
              "title in DejaVu Serif, of the DejaVu fonts (derived from Bitstream Vera). The "
              "windows are made with Qt %1.")
        .arg(QT_VERSION_STR);
}

AboutBox::AboutBox(PlayerSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    setObjectName("frmAbout");
    setWindowTitle(tr("About %1 v %2").arg(kProductName, Version()));
    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(":/icons/marovane.png").pixmap(96, 96));
    auto* title = new QLabel(kProductName, this);
    title->setObjectName("lblMainTitle");
    QFont big = title->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    title->setFont(big);
    platform_ = new QLabel(PlatformLine(), this);
    platform_->setWordWrap(true);
    credits_ = new QLabel(Credits(), this);
    credits_->setObjectName("lblCredits");
    credits_->setWordWrap(true);
    credits_->setTextFormat(Qt::PlainText);
    startup_ = new QCheckBox(tr("Always show this screen on startup"), this);
    startup_->setObjectName("chkStartup");
    startup_->setChecked(settings_.ShowAbout());
    ok_ = new QPushButton(tr("&OK"), this);
    ok_->setObjectName("cmdOK");
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(platform_);
    text->addWidget(credits_);
    text->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(text, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(startup_);
    bottom->addStretch();
    bottom->addWidget(ok_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);
    // A window does not ask its wrapped labels how tall they get: the box is made as tall as
    // they need at the width it opens with, and no narrower.
    const int width = std::max(440, sizeHint().width());
    setMinimumSize(width, layout->totalHeightForWidth(width));
}

void AboutBox::done(int result) {
    // OK, Escape and the close box all keep the player's choice.
    settings_.SetShowAbout(startup_->isChecked());
    QDialog::done(result);
}

} // namespace marovane
