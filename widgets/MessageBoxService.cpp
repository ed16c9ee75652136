#include "widgets/MessageBoxService.h"

#include <QMessageBox>

namespace pairfall {

Answer QtMessageBoxService::Ask(QWidget* parent, const QString& prompt, Buttons buttons, const QString& title, Icon icon)
{
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("MsgBox"));
    box.setWindowTitle(title);
    box.setText(prompt);
    box.setTextFormat(Qt::PlainText);
    switch (icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    box.setWindowModality(Qt::ApplicationModal);
    const int pressed = box.exec();
    if (buttons == Buttons::OK)
        return Answer::OK;
    // Only Yes acts; Escape or the close box count as No.
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

}
