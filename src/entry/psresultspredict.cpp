#include "entry/psresultspredict.h"

#include "session/poolsession.h"
#include "widgets/colours.h"
#include "widgets/waitcursor.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vek {

namespace {

enum class Frame { Conf1, Conf2, Champ };

/// What each post-season slot's list offers: a division's teams, a conference's or all teams.
enum class Range { Division, Nfc, Afc, All };

struct SlotSpec {
    const char* name;
    Frame frame;
    const char* label;
    Range range;
    int division;          // for Range::Division
    const char* shortName; // names the slot in the information line
};

// Slot order is the shared post-season order; the frames list their slots top to bottom in the order of
// this table.
constexpr std::array<SlotSpec, PostSeasonSlots> SlotSpecs{{
    {"nfceList", Frame::Conf1, "East", Range::Division, 0, "NFC East"},
    {"nfcnList", Frame::Conf1, "North", Range::Division, 1, "NFC North"},
    {"nfcsList", Frame::Conf1, "South", Range::Division, 2, "NFC South"},
    {"nfcwList", Frame::Conf1, "West", Range::Division, 3, "NFC West"},
    {"afceList", Frame::Conf2, "East", Range::Division, 4, "AFC East"},
    {"afcnList", Frame::Conf2, "North", Range::Division, 5, "AFC North"},
    {"afcsList", Frame::Conf2, "South", Range::Division, 6, "AFC South"},
    {"afcwList", Frame::Conf2, "West", Range::Division, 7, "AFC West"},
    {"nfcwild1List", Frame::Conf1, "Wild Card", Range::Nfc, 0, "NFC Wild Card 1"},
    {"nfcwild2List", Frame::Conf1, "Wild Card", Range::Nfc, 0, "NFC Wild Card 2"},
    {"afcwild1List", Frame::Conf2, "Wild Card", Range::Afc, 0, "AFC Wild Card 1"},
    {"afcwild2List", Frame::Conf2, "Wild Card", Range::Afc, 0, "AFC Wild Card 2"},
    {"superList", Frame::Champ, "Big Game", Range::All, 0, "Big Game"},
}};

constexpr int BigGameSlot = 12;
constexpr std::array<int16_t, SeedSlots> DefaultSeeds{1, 2, 3, 4, 1, 2, 3, 4, 5, 6, 5, 6};

} // namespace

PSResultsPredict::PSResultsPredict(PoolSession& session, WindowHost& host, QWidget* parent)
    : PoolWindow(session, host, parent) {
    setObjectName(QStringLiteral("PSResultsPredict"));
    setWindowTitle(DesignerCaption);
    buildControls();
}

void PSResultsPredict::buildControls() {
    const auto makeFrame = [this](const char* name, const QString& caption) {
        auto* frame = new QGroupBox(caption, this);
        frame->setObjectName(QString::fromLatin1(name));
        // The caption is blue; the labels inside keep the window's text colour.
        QPalette palette = frame->palette();
        palette.setColor(QPalette::WindowText, colours::Blue);
        frame->setPalette(palette);
        auto* grid = new QGridLayout(frame);
        grid->setColumnStretch(1, 1);
        return frame;
    };
    frmConf1 = makeFrame("frmConf1", QStringLiteral("NFC"));
    frmConf2 = makeFrame("frmConf2", QStringLiteral("AFC"));
    frmChamp = makeFrame("frmChamp", QStringLiteral("Championship"));
    // A pointer over a conference frame clears the information line.
    for (QGroupBox* frame : {frmConf1, frmConf2}) {
        frame->setMouseTracking(true);
        frame->installEventFilter(this);
    }

    // Set explicitly, or the labels would take the blue of their frame's caption.
    QPalette textPalette = palette();
    textPalette.setColor(QPalette::WindowText, textPalette.color(QPalette::WindowText));
    // Divisions first, then the wild cards, as the slots come in the table.
    for (int slot = 0; slot < static_cast<int>(m_slots.size()); ++slot) {
        const SlotSpec& slotInfo = SlotSpecs[slot];
        QGroupBox* frame = slotInfo.frame == Frame::Conf1   ? frmConf1
                           : slotInfo.frame == Frame::Conf2 ? frmConf2
                                                            : frmChamp;
        auto* grid = static_cast<QGridLayout*>(frame->layout());
        auto* label = new QLabel(QString::fromLatin1(slotInfo.label), frame);
        label->setObjectName(QStringLiteral("lbl_") + QString::fromLatin1(slotInfo.name));
        label->setPalette(textPalette);
        auto* list = new QComboBox(frame);
        list->setObjectName(QString::fromLatin1(slotInfo.name));
        list->setEditable(false);
        list->setMinimumContentsLength(7);
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(list, row, 1);
        m_slots[slot].list = list;
        // Only a choice of the user marks the slot for storing; filling and positioning do not.
        connect(list, &QComboBox::activated, this, [this, slot] { m_slots[slot].changed = true; });
    }

    lblInfo = new QLabel(this);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setAutoFillBackground(true);
    lblInfo->setBackgroundRole(QPalette::ToolTipBase);
    lblInfo->setForegroundRole(QPalette::ToolTipText);
    lblInfo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblInfo->setWordWrap(true);
    lblInfo->setMinimumHeight(2 * fontMetrics().height() + 6);

    cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setAutoDefault(false);
    connect(cmdOk, &QPushButton::clicked, this, &PSResultsPredict::cmdOkClicked);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* conferences = new QHBoxLayout;
    conferences->addWidget(frmConf1);
    conferences->addWidget(frmConf2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(conferences);
    layout->addWidget(frmChamp);
    layout->addWidget(lblInfo);
    layout->addLayout(buttons);
}

int PSResultsPredict::member() const {
    return std::clamp<int>(m_session.currentMember, 0, MemberSlots - 1);
}

int16_t PSResultsPredict::storedValue(int slot, bool results) const {
    const PoolData& pool = m_session.pool();
    const auto s = slot;
    return results ? pool.postSeasonResults[s] : pool.postSeasonPicks[s][member()];
}

void PSResultsPredict::loadWindow() {
    const WaitCursor wait;
    setWindowTitle(DesignerCaption);
    lblInfo->clear();
    for (SlotList& slot : m_slots) {
        slot.changed = false;
    }
    fillLists();
    const bool results = m_session.entryMode != 0;
    const QStringList outside = positionLists(results);
    if (results) {
        giveDefaultSeeds();
    }
    if (!outside.isEmpty()) {
        lblInfo->setText(QStringLiteral("Not in list, shown as (none): ") +
                         outside.join(QStringLiteral(", ")));
    }
}

void PSResultsPredict::fillLists() {
    const PoolData& pool = m_session.pool();
    const bool conferences = pool.postSeasonPoints >= 1;
    const bool bigGame = pool.bigGamePoints >= 1;
    frmConf1->setVisible(conferences);
    frmConf2->setVisible(conferences);
    frmChamp->setVisible(bigGame);

    const auto& div = pool.divisionRec;
    for (int slot = 0; slot < static_cast<int>(m_slots.size()); ++slot) {
        const SlotSpec& slotInfo = SlotSpecs[slot];
        SlotList& entry = m_slots[slot];
        int first = 0;
        int last = -1;
        switch (slotInfo.range) {
        case Range::Division:
            first = div[slotInfo.division].firstTeam;
            last = div[slotInfo.division].lastTeam;
            break;
        case Range::Nfc:
            first = div[0].firstTeam;
            last = div[3].lastTeam;
            break;
        case Range::Afc:
            first = div[4].firstTeam;
            last = div[7].lastTeam;
            break;
        case Range::All:
            first = div[0].firstTeam;
            last = div[7].lastTeam;
            break;
        }
        // A damaged league file must not make a list reach outside the team tables.
        entry.first = std::clamp(first, 0, TeamSlots - 1);
        entry.last = std::min(last, TeamSlots - 1);

        entry.list->clear();
        const bool shown = static_cast<int>(slot) == BigGameSlot ? bigGame : conferences;
        if (!shown) {
            continue; // a hidden list stays empty
        }
        entry.list->addItem(NoneEntry);
        for (int code = entry.first; code <= entry.last; ++code) {
            entry.list->addItem(pool.teamAbbr[code]);
        }
    }
}

QStringList PSResultsPredict::positionLists(bool results) {
    const int16_t none = m_session.pool().noneCode();
    QStringList outside;
    for (int slot = 0; slot < static_cast<int>(m_slots.size()); ++slot) {
        SlotList& entry = m_slots[slot];
        if (entry.list->count() == 0) {
            continue;
        }
        const int value = storedValue(static_cast<int>(slot), results);
        int index = 0;
        if (value != none) {
            if (value >= entry.first && value <= entry.last) {
                index = value - entry.first + 1;
            } else {
                // After the alignment changed a stored team may fall outside its list; OK keeps it
                // unless the user chooses an entry here.
                outside << QString::fromLatin1(SlotSpecs[slot].shortName);
            }
        }
        entry.list->setCurrentIndex(index);
    }
    return outside;
}

void PSResultsPredict::giveDefaultSeeds() {
    PoolData& pool = m_session.pool();
    if (pool.postSeasonPoints < 1) {
        return;
    }
    for (int slot = 0; slot < static_cast<int>(DefaultSeeds.size()); ++slot) {
        if (pool.postSeasonResults[slot] != pool.noneCode() && pool.postSeasonSeeds[slot] == 0) {
            pool.postSeasonSeeds[slot] = DefaultSeeds[slot];
        }
    }
}

void PSResultsPredict::cmdOkClicked() {
    PoolData& pool = m_session.pool();
    const bool results = m_session.entryMode != 0;
    for (int slot = 0; slot < static_cast<int>(m_slots.size()); ++slot) {
        const SlotList& entry = m_slots[slot];
        // An untouched list keeps the stored value: a hidden list has no entry to store, and a stored
        // team outside its list shows as "(none)" without being none.
        if (!entry.changed) {
            continue;
        }
        const int index = entry.list->currentIndex();
        const int16_t value = index <= 0 ? pool.noneCode() : static_cast<int16_t>(entry.first + index - 1);
        if (results) {
            pool.postSeasonResults[slot] = value;
        } else {
            pool.postSeasonPicks[slot][member()] = value;
        }
    }
    accept();
}

bool PSResultsPredict::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == frmConf1 || watched == frmConf2) && event->type() == QEvent::MouseMove) {
        lblInfo->clear();
    }
    return PoolWindow::eventFilter(watched, event);
}

} // namespace vek
