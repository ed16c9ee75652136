#include "stats/frmGameStats.h"

#include "art/ProgramIcon.h"
#include "game/Conversions.h"
#include "game/RuntimeError.h"
#include "game/SettingsEntries.h"
#include "game/SettingsStore.h"
#include "widgets/DialogFont.h"
#include "widgets/ErrorBoundary.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <array>
#include <vector>

namespace pairfall {

namespace {

QLabel* AddCaption(QWidget* parent, const char* name, const char* text, int left, int top, const QFont& font)
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(font);
    label->move(left, top);
    label->adjustSize();
    return label;
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

QPushButton* AddButton(QWidget* parent, const char* name, const char* text, int left, int top)
{
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, top, 97, 33);
    // Neither button answers Enter: a stray Enter must not reset the counts.
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

}

frmGameStats::frmGameStats(QWidget* owner, SettingsStore& store, ErrorBoundary& errors, std::function<void()> resetStats)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_owner(owner)
    , m_store(store)
    , m_errors(errors)
    , m_resetStats(std::move(resetStats))
{
    setObjectName(QStringLiteral("frmGameStats"));
    setWindowTitle(QStringLiteral("Game Stats"));
    setWindowIcon(ProgramIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setSizeGripEnabled(false);
    resize(312, 237);
    // The window's own font, which the buttons keep: the desktop's default
    // is too wide for "Reset Game Stats" in 97 pixels.
    setFont(DialogFont(8, false));

    AddCaption(this, "Label1", "Game Stats", 64, 8, DialogFont(24, true));
    const QFont captionFont = DialogFont(12, true);
    AddCaption(this, "Label2", "Total Games:", 8, 56, captionFont);
    AddCaption(this, "Label3", "Total Wins:", 8, 88, captionFont);
    AddCaption(this, "Label4", "Total Losses:", 8, 120, captionFont);
    AddCaption(this, "Label5", "Avg Number of Cards Left:", 8, 152, captionFont);
    m_lblGames = AddValue(this, "lblGames", 128, 56, 121);
    m_lblWins = AddValue(this, "lblWins", 128, 88, 121);
    m_lblLosses = AddValue(this, "lblLosses", 128, 120, 121);
    m_lblAvgCards = AddValue(this, "lblAvgCards", 232, 152, 65);

    QPushButton* reset = AddButton(this, "cmdResetStats", "Reset Game Stats", 32, 192);
    QPushButton* closeButton = AddButton(this, "cmdClose", "Close", 176, 192);
    setTabOrder(closeButton, reset);
    closeButton->setFocus();

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
    std::vector<std::string> problems;
    for (Entry& entry : entries) {
        try {
            entry.value = ReadCounter(m_store, entry.key);
        } catch (const RuntimeError& error) {
            problems.push_back(error.description());
        }
    }
    m_errors.Report("", problems);

    const auto show = [](QLabel* label, Int16 value) { label->setText(QString::fromStdString(Int16ToText(value))); };
    show(m_lblGames, entries[0].value);
    show(m_lblWins, entries[2].value);
    show(m_lblLosses, entries[1].value);
    show(m_lblAvgCards, entries[3].value);
}

void frmGameStats::cmdResetStats_Click()
{
    m_resetStats();
    const QString zero = QString::fromStdString(Int16ToText(0));
    for (QLabel* label : { m_lblGames, m_lblWins, m_lblLosses, m_lblAvgCards })
        label->setText(zero);
}

void frmGameStats::cmdClose_Click()
{
    if (m_owner)
        m_owner->setEnabled(true);
    close();
}

}
