#include "AboutBox.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>

#include "ExecuteLink.h"
#include "OptionsStyle.h"

namespace kestrel::ui {

namespace {
constexpr int kIconSide = 96;

QLabel* namedLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}
}  // namespace

AboutBox::AboutBox(const QPixmap& icon, LinkOpener& links, Messages& messages, QWidget* parent)
    : SecondaryWindow(parent, Qt::Dialog),
      links_(links),
      messages_(messages),
      icon_(icon),
      picIcon_(namedLabel(QStringLiteral("picIcon"), {}, this)),
      lblTitle_(namedLabel(QStringLiteral("lblTitle"), QApplication::applicationName(), this)),
      cmdOK_(new QPushButton(QStringLiteral("OK"), this)),
      cmdLink_(new QPushButton(QStringLiteral("Visit the Kestrel project page"), this)) {
    setObjectName(QStringLiteral("aboutkestrel"));
    setAttribute(Qt::WA_StyledBackground);
    setWindowTitle(QStringLiteral("About ") + QApplication::applicationName());
    setStyleSheet(secondaryWindowStyleSheet());

    showIconFor(devicePixelRatioF());
    const QString version = QApplication::applicationVersion();
    auto* lblVersion =
        namedLabel(QStringLiteral("lblVersion"),
                   version.isEmpty() ? QString() : QStringLiteral("Version ") + version, this);
    auto* lblDescription =
        namedLabel(QStringLiteral("lblDescription"),
                   QStringLiteral("A fifties-and-sixties video slot machine.\n"
                                  "Five reels, twenty-five lines, free spins and a gamble.\n"
                                  "Play money only: one credit is one cent of nothing."),
                   this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdLink_->setObjectName(QStringLiteral("cmdLink"));
    cmdLink_->setToolTip(QString::fromLatin1(kProjectPage));
    for (QPushButton* button : {cmdOK_, cmdLink_}) {
        button->setCursor(Qt::PointingHandCursor);
    }
    cmdOK_->setProperty("primary", true);
    cmdOK_->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(18, 18, 18, 14);
    grid->setHorizontalSpacing(18);
    grid->addWidget(picIcon_, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(lblTitle_, 0, 1);
    grid->addWidget(lblVersion, 1, 1);
    grid->addWidget(lblDescription, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdLink_);
    buttons->addStretch();
    buttons->addWidget(cmdOK_);
    grid->addLayout(buttons, 3, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdOK_, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdLink_, &QPushButton::clicked, this, &AboutBox::openProjectPage);
}

// Shown, the box is on its screen: on a desktop scaled to 200 % the icon takes twice the pixels,
// made from the large icon rather than stretched from the small one.
void AboutBox::showEvent(QShowEvent* event) {
    if (picIcon_->pixmap().devicePixelRatio() != devicePixelRatioF()) {
        showIconFor(devicePixelRatioF());
    }
    SecondaryWindow::showEvent(event);
}

void AboutBox::showIconFor(qreal ratio) {
    QPixmap shown = icon_.scaled(QSize(kIconSide, kIconSide) * ratio, Qt::KeepAspectRatio,
                                 Qt::SmoothTransformation);
    shown.setDevicePixelRatio(ratio);
    picIcon_->setPixmap(shown);
}

void AboutBox::openProjectPage() {
    (void)ExecuteLink(links_, messages_, this, QString::fromLatin1(kProjectPage));
}

}  // namespace kestrel::ui
