#pragma once

#include <QDialog>

class QLabel;

namespace pairfall {

// The About window: the program's icon, title and version.  Modal to its
// owner; OK, Enter and Escape close it.  Deletes itself when closed.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* owner);

    // Sets the version text from the program's own version numbers.
    void Form_Load();
    void cmdOK_Click();

private:
    QLabel* m_lblVersion = nullptr;
};

}
