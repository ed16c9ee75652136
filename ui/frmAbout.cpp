#include "ui/frmAbout.h"

#include "art/ProgramIcon.h"
#include "game/Texts.h"
#include "game/Version.h"
#include "widgets/Announcer.h"
#include "widgets/DialogFont.h"
#include "widgets/DialogLayout.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

#include <algorithm>

namespace pairfall {

namespace {

void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

// One stroke of the etched rule under the text.
void AddRule(QWidget* parent, const char* name, const QRect& area, const QColor& colour)
{
    auto* rule = new QFrame(parent);
    rule->setObjectName(QString::fromLatin1(name));
    rule->setFrameShape(QFrame::NoFrame);
    rule->setGeometry(area);
    rule->setAutoFillBackground(true);
    SetColour(rule, QPalette::Window, colour);
}

}

frmAbout::frmAbout(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    //: The About window's title; %1 is the program's name.
    setWindowTitle(tr("About %1").arg(QString::fromLatin1(ApplicationTitle)));
    setWindowIcon(ProgramIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);
    setFixedSize(377, 208);
    // The window's own font, which all but the title keep.
    setFont(DialogFont(8, false));

    // Created first, so it leads the tab order.
    const char* okCaption = QT_TR_NOOP("OK");
    auto* ok = new QPushButton(tr(okCaption), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    // A translated caption that needs more room widens the button to the left.
    const int okWidth = ButtonWidth(*ok, okCaption, 84);
    ok->setGeometry(283 + 84 - okWidth, 175, okWidth, 23);
    ok->setDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setGeometry(16, 16, 36, 36);
    icon->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    icon->setLineWidth(2);
    icon->setAlignment(Qt::AlignCenter);
    icon->setAutoFillBackground(true);
    SetColour(icon, QPalette::Window, QColor(192, 192, 192));
    icon->setPixmap(ProgramIcon().pixmap(QSize(32, 32), devicePixelRatioF()));

    auto* title = new QLabel(QString::fromLatin1(ApplicationTitle), this);
    title->setObjectName(QStringLiteral("Label1"));
    title->setTextFormat(Qt::PlainText);
    title->setFont(DialogFont(24, true));
    SetColour(title, QPalette::WindowText, QColor(0, 0, 255));
    title->move(72, 8);
    title->adjustSize();

    // The caption it was laid out with, until Form_Load sets the version.
    //: The About window's version before it opens: major and minor number.
    m_lblVersion = new QLabel(tr("Version %1.%2").arg(1).arg(0), this);
    m_lblVersion->setObjectName(QStringLiteral("lblVersion"));
    m_lblVersion->setTextFormat(Qt::PlainText);
    m_lblVersion->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A default font taller than 15 pixels grows the label rather than cut it.
    m_lblVersion->setGeometry(70, 52, 259, std::max(15, m_lblVersion->sizeHint().height()));

    //: A caption shown as it stands in the About window, where a program's description would go: translate these two words, write no description.
    auto* description = new QLabel(tr("App Description"), this);
    description->setObjectName(QStringLiteral("lblDescription"));
    description->setTextFormat(Qt::PlainText);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description->setWordWrap(true);
    SetColour(description, QPalette::WindowText, Qt::black);
    description->setGeometry(70, 75, 259, 78);

    AddRule(this, "Line1_1", QRect(QPoint(15, 162), QPoint(363, 162)), QColor(128, 128, 128));
    AddRule(this, "Line1_0", QRect(QPoint(16, 163), QPoint(363, 164)), Qt::white);
}

void frmAbout::Form_Load()
{
    //: The About window's version: major, minor and revision number.
    m_lblVersion->setText(tr("Version %1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision));
    // A screen reader speaks the description when the window opens. Each
    // label is made the buddy of the one before, which Qt's bridge turns
    // into a "label for" relation; Orca reads a dialog's loose texts as it
    // opens but leaves out labels in such a relation. That is Orca's own
    // habit, not a promise of Qt or AT-SPI: the screen_reader test holds it.
    QStringList texts;
    QLabel* previous = nullptr;
    for (QLabel* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->text().isEmpty())
            continue;
        texts << label->text();
        if (previous)
            previous->setBuddy(label);
        previous = label;
    }
    setAccessibleDescription(SpokenSentences(texts));
}

void frmAbout::cmdOK_Click()
{
    close();
}

}
