#pragma once

#include "widgets/poolwindow.h"

class QLabel;
class QPushButton;
class QSpinBox;

namespace vek {

/// The season information window ("Schedule Information"): read-only figures of the season frame, and
/// the games and byes of one week chosen with a spinner. The schedule editor opens it; it changes no
/// data. The shown week lives with the instance but starts at week 1 at every opening.
class SeasonalData final : public PoolWindow {
    Q_OBJECT
public:
    explicit SeasonalData(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);

    [[nodiscard]] int infoWeek() const { return m_infoWeek; }

protected:
    void loadWindow() override;

private:
    void showWeek();
    void weekSpinChanged(int value);

    int m_infoWeek = 0;

    QLabel* numTeams = nullptr;
    QLabel* numByes = nullptr;
    QLabel* teamGames = nullptr;
    QLabel* sWeeks = nullptr;
    QLabel* cWeek = nullptr;
    QLabel* maxGames = nullptr;
    QLabel* minGames = nullptr;
    QSpinBox* weekSpin = nullptr;
    QLabel* inWeek = nullptr;
    QLabel* numGames = nullptr;
    QLabel* openDates = nullptr;
    QPushButton* cmdOk = nullptr;
};

} // namespace vek
