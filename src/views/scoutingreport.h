#pragma once

#include "widgets/poolwindow.h"

#include <vector>

class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;

namespace vek {

class UpDown;

/// The scouting report: how well one member has picked the games of each team so far, per team the
/// games picked right and wrong with the success rate as a percentage and as a bar, and the rate over
/// each conference. Each conference has as many rows as it has teams. Each opening starts on the default
/// member.
///
/// A row's controls carry the row after the name: `NteamBox0`, `sldNT0`, `NpercBox0`, `NWBox0`,
/// `NLBox0` in the NFC frame, `AteamBox0`, `sldAT0`, .. in the AFC frame.
class ScoutingReport final : public PoolWindow {
    Q_OBJECT
public:
    explicit ScoutingReport(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);

protected:
    void loadWindow() override;

private:
    struct TeamRow {
        QLabel* team = nullptr;
        QSlider* bar = nullptr;
        QLabel* percent = nullptr;
        QLabel* right = nullptr;
        QLabel* wrong = nullptr;
    };
    struct Conference {
        QGroupBox* frame = nullptr;
        QGridLayout* grid = nullptr;
        std::vector<TeamRow> rows;
        QSlider* totalBar = nullptr;
        QLabel* totalPercent = nullptr;
        QString prefix; // "N" or "A"
    };

    void buildControls();
    void buildConference(Conference& conference, const QString& caption, const QString& prefix,
                         const QString& totalBar, const QString& totalPercent);
    /// Gives a conference at least `rows` rows and shows exactly that many.
    void showRows(Conference& conference, int rows);
    void CalcScoutingReport();

    Conference m_nfc;
    Conference m_afc;
    QLabel* MemBox = nullptr;
    UpDown* memSpin = nullptr;
    QPushButton* cmdOk = nullptr;

    int m_member = 0;
};

} // namespace vek
