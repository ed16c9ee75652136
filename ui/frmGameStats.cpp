#include "ui/frmGameStats.h"

#include "art/ProgramIcon.h"
#include "game/Conversions.h"
#include "game/RuntimeError.h"
#include "game/SettingsEntries.h"
#include "game/SettingsStore.h"
#include "widgets/Announcer.h"
#include "widgets/DialogFont.h"
#include "widgets/DialogLayout.h"
#include "widgets/ErrorBoundary.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <array>
#include <vector>

namespace pairfall {

namespace {

struct Caption {
    QLabel* label;
    // Shows a translation, not the English it was laid out for.
    bool translated;
};

// Where a value goes right of its captions: where it was laid out for the
// English captions, or further right where a translated caption would leave
// less than the designed gap before it.
int ValueLeft(int designed, std::initializer_list<Caption> captions)
{
    constexpr int Gap = 8;
    int left = designed;
    for (const Caption& caption : captions) {
        if (caption.translated)
            left = std::max(left, caption.label->geometry().right() + 1 + Gap);
    }
    return left;
}

Caption AddCaption(QWidget* parent, const char* name, const char* english, int left, int top, const QFont& font)
{
    const QString text = frmGameStats::tr(english);
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(font);
    label->move(left, top);
    label->adjustSize();
    return { label, IsTranslated(text, english) };
}

QLabel* AddValue(QWidget* parent, const char* name, int left, int top, int width)
{
    constexpr int Height = 17;
    auto* label = new QLabel(QStringLiteral("###"), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(DialogFont(12, false));
    // Fonts of other systems stand taller than 17 pixels at 12 points; the
    // label grows downwards rather than cut the digits off.
    label->setGeometry(left, top, width, std::max(Height, label->sizeHint().height()));
    return label;
}

// 97 x 33, or wider where a translated caption needs it.
QPushButton* AddButton(QWidget* parent, const char* name, const char* english, int left, int top)
{
    auto* button = new QPushButton(frmGameStats::tr(english), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, top, ButtonWidth(*button, english, 97), 33);
    // Neither button answers Enter: a stray Enter must not reset the counts.
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

}

frmGameStats::frmGameStats(QWidget* owner, SettingsStore& store, ErrorBoundary& errors, std::function<void()> resetStats, Announcer* announcer)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_owner(owner)
    , m_store(store)
    , m_errors(errors)
    , m_resetStats(std::move(resetStats))
    , m_announcer(announcer)
{
    setObjectName(QStringLiteral("frmGameStats"));
    setWindowTitle(tr("Game Stats"));
    setWindowIcon(ProgramIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setSizeGripEnabled(false);
    // The window's own font, which the buttons keep: the desktop's default
    // is too wide for "Reset Game Stats" in 97 pixels.
    setFont(DialogFont(8, false));

    // Laid out for the English texts, which keep their places whatever the
    // font; a longer text in another language moves what stands right of
    // it further right and widens the window.
    const Caption title = AddCaption(this, "Label1", QT_TR_NOOP("Game Stats"), 64, 8, DialogFont(24, true));
    const QFont captionFont = DialogFont(12, true);
    //: A caption of Game Stats, shown and also spoken before its value: written out, without an abbreviation or a symbol.
    const Caption games = AddCaption(this, "Label2", QT_TR_NOOP("Total Games:"), 8, 56, captionFont);
    //: A caption of Game Stats, shown and also spoken before its value: written out, without an abbreviation or a symbol.
    const Caption wins = AddCaption(this, "Label3", QT_TR_NOOP("Total Wins:"), 8, 88, captionFont);
    //: A caption of Game Stats, shown and also spoken before its value: written out, without an abbreviation or a symbol.
    const Caption losses = AddCaption(this, "Label4", QT_TR_NOOP("Total Losses:"), 8, 120, captionFont);
    //: A caption of Game Stats, shown and also spoken before its value: written out, without an abbreviation or a symbol.
    const Caption average = AddCaption(this, "Label5", QT_TR_NOOP("Avg Number of Cards Left:"), 8, 152, captionFont);
    const int countsLeft = ValueLeft(128, { games, wins, losses });
    m_lblGames = AddValue(this, "lblGames", countsLeft, 56, 121);
    m_lblWins = AddValue(this, "lblWins", countsLeft, 88, 121);
    m_lblLosses = AddValue(this, "lblLosses", countsLeft, 120, 121);
    m_lblAvgCards = AddValue(this, "lblAvgCards", ValueLeft(232, { average }), 152, 65);
    // Each caption labels its value for screen readers (Qt's bridge makes a
    // buddy a "label for" relation), and Orca leaves labels in a relation out
    // of the loose texts it reads as a dialog opens, so the description alone
    // says them all. That is Orca's habit, not a documented promise: the
    // screen_reader test holds it.
    m_spoken = { { { games.label, m_lblGames }, { wins.label, m_lblWins }, { losses.label, m_lblLosses }, { average.label, m_lblAvgCards } } };
    for (auto [caption, value] : m_spoken)
        caption->setBuddy(value);

    QPushButton* reset = AddButton(this, "cmdResetStats", QT_TR_NOOP("Reset Game Stats"), 32, 192);
    QPushButton* closeButton = AddButton(this, "cmdClose", QT_TR_NOOP("Close"), std::max(176, reset->geometry().right() + 1 + 16), 192);
    setTabOrder(closeButton, reset);
    closeButton->setFocus();

    constexpr int RightMargin = 15;
    int width = 312;
    for (const QWidget* widget : std::initializer_list<const QWidget*> { m_lblGames, m_lblAvgCards, closeButton })
        width = std::max(width, widget->geometry().right() + 1 + RightMargin);
    if (title.translated)
        width = std::max(width, title.label->geometry().right() + 1 + RightMargin);
    resize(width, std::max(237, closeButton->geometry().bottom() + 1 + 12));

    connect(reset, &QPushButton::clicked, this, [this] { m_errors.Run([this] { cmdResetStats_Click(); }); });
    connect(closeButton, &QPushButton::clicked, this, [this] { m_errors.Run([this] { cmdClose_Click(); }); });

    // However it closes (Close, the close box, Escape, shutdown), QDialog
    // ends it through done(), so the owner is enabled again here.
    connect(this, &QDialog::finished, this, [this] {
        if (m_owner)
            m_owner->setEnabled(true);
    });
}

void frmGameStats::Form_Load()
{
    struct Entry {
        const char* key;
        Int16 value = 0;
    };
    std::array<Entry, 4> entries { { { TotalGamesKey }, { TotalLossesKey }, { TotalWinsKey }, { AvgCardsLeftKey } } };
    std::vector<RuntimeError> problems;
    for (Entry& entry : entries) {
        try {
            entry.value = ReadCounter(m_store, entry.key);
        } catch (const RuntimeError& error) {
            problems.push_back(error);
        }
    }
    m_errors.Report(QString(), problems);

    const auto show = [](QLabel* label, Int16 value) { label->setText(QString::fromStdString(Int16ToText(value))); };
    show(m_lblGames, entries[0].value);
    show(m_lblWins, entries[2].value);
    show(m_lblLosses, entries[1].value);
    show(m_lblAvgCards, entries[3].value);
    DescribeValues();
}

QString frmGameStats::DescribeValues()
{
    QStringList parts;
    for (auto [caption, value] : m_spoken)
        //: A caption of Game Stats ("Total Wins:"), then its value, as a screen reader speaks them.
        parts << tr("%1 %2").arg(caption->text(), value->text());
    const QString spoken = SpokenSentences(parts);
    setAccessibleDescription(spoken);
    return spoken;
}

void frmGameStats::cmdResetStats_Click()
{
    m_resetStats();
    const QString zero = QString::fromStdString(Int16ToText(0));
    for (QLabel* label : { m_lblGames, m_lblWins, m_lblLosses, m_lblAvgCards })
        label->setText(zero);
    const QString spoken = DescribeValues();
    if (m_announcer)
        m_announcer->Announce(spoken);
}

void frmGameStats::cmdClose_Click()
{
    if (m_owner)
        m_owner->setEnabled(true);
    close();
}

}
