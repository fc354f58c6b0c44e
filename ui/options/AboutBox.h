#pragma once

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "LinkOpener.h"
#include "Messages.h"
#include "SecondaryWindow.h"

namespace kestrel::ui {

// The about box: the program's icon, its title and version, an OK button and a button that
// opens the project's page.
class AboutBox : public SecondaryWindow {
    Q_OBJECT
public:
    static constexpr char kProjectPage[] = "https://github.com/kestrel-slot/kestrel";

    AboutBox(const QPixmap& icon, LinkOpener& links, Messages& messages, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void openProjectPage();
    void showIconFor(qreal ratio);

    LinkOpener& links_;
    Messages& messages_;
    QPixmap icon_;  // the icon as large as it comes, made smaller for the window
    QLabel* picIcon_;
    QLabel* lblTitle_;
    QPushButton* cmdOK_;
    QPushButton* cmdLink_;
};

}  // namespace kestrel::ui
