#pragma once

#include "app/startup.h"
#include "support/controls.h"
#include "entry/resultspredict.h"
#include "session/poolsession.h"
#include "support/poolbuilder.h"
#include "support/recordingstartuphost.h"
#include "support/uiharness.h"
#include "widgets/colours.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <tuple>
#include <utility>

namespace vek::test {

/// A weekly entry window over the sample pool, shown on screen and worked through its controls as a user
/// would: clicks on labels and buttons, function keys, typing.
class ResultsPredictTest : public ::testing::Test {
protected:
    ResultsPredictTest() {
        QObject::connect(&h.session, &PoolSession::mainButtonsRefreshRequested, [this] {
            ++refreshes;
            if (onRefresh) {
                onRefresh();
            }
        });
    }

    /// The sample pool of two members with results through `currentWeek`; `adjust` changes it before
    /// the window opens.
    void usePool(int currentWeek, const std::function<void(PoolData&)>& adjust = {}) {
        fillSamplePool(h.pool(), {QStringLiteral("Margaret Smith"), QStringLiteral("Bob Jones")},
                       currentWeek);
        if (adjust) {
            adjust(h.pool());
        }
    }

    /// Opens (loads) the window in a mode and shows it.
    ResultsPredict& open(int mode) {
        h.session.entryMode = static_cast<int16_t>(mode);
        ResultsPredict& window = h.host.window<ResultsPredict>();
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        return window;
    }
    /// Closes the window as its close button does: unloaded, what was not saved put back.
    void close() { entry().done(QDialog::Rejected); }

    ResultsPredict& entry() { return *h.host.existing<ResultsPredict>(); }

    template <class W> W* find(const QString& name) {
        auto* found = entry().findChild<W*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QLabel* label(const QString& name) { return find<QLabel>(name); }
    QPushButton* button(const QString& name) { return find<QPushButton>(name); }
    QLineEdit* edit(const QString& name) { return find<QLineEdit>(name); }
    QSpinBox* spin(const QString& name) { return find<QSpinBox>(name); }
    QLabel* away(int row) { return label(QStringLiteral("agameBox%1").arg(row)); }
    QLabel* home(int row) { return label(QStringLiteral("hgameBox%1").arg(row)); }
    QLabel* cpBox(int row) { return label(QStringLiteral("cpBox%1").arg(row)); }
    QPushButton* tie(int row) { return button(QStringLiteral("cmdTie%1").arg(row)); }

    static void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    /// Types into a text box, key by key.
    static void type(QLineEdit* box, const QString& text) { QTest::keyClicks(box, text); }
    void key(Qt::Key k) { QTest::keyClick(&entry(), k); }

    /// The colours of a team label (text, background) for each look of the legend: the chosen team red
    /// on the button face, the other team black on it, a tie blue on white, a game without entry black
    /// on white.
    using Colours = std::pair<QColor, QColor>;
    static Colours paintOf(const QLabel* label) { return {test::fore(label), test::back(label)}; }
    static Colours chosen() { return {colours::Red, buttonFace()}; }
    static Colours other() { return {colours::Black, buttonFace()}; }
    static Colours tied() { return {colours::Blue, colours::White}; }
    static Colours undecided() { return {colours::Black, colours::White}; }

    /// The window's state.
    const WeekEntry& state() { return entry().weekEntry(); }
    /// The shown week of the window in the model.
    [[nodiscard]] int week() { return state().shownWeek(); }
    [[nodiscard]] int games() { return h.pool().games(week()); }
    [[nodiscard]] int16_t team(int row, int side) { return h.pool().scheduleGrid[week()][row][side]; }

    /// Writes the pool in memory to the folder, as the pool the window starts from.
    void writeFolder() { writeAllFiles(h.temp.folder(), h.pool()); }

    /// A fresh session over the same folder, loaded by the real start-up stages.
    std::unique_ptr<PoolSession> reload() {
        auto fresh = std::make_unique<PoolSession>(h.temp.folder());
        RecordingStartupHost host;
        runLoadingStages(*fresh, host, 2024);
        return fresh;
    }

    /// Compares what `value` takes from every game of the season in the reloaded pool and in memory.
    template <class F> void expectSameGames(const PoolData& reloaded, F value) {
        const WeekLayout layout = h.pool().weekLayout();
        for (int w = 0; w < layout.weeks(); ++w) {
            for (int g = 0; g < layout.games(w); ++g) {
                ASSERT_EQ(value(reloaded, w, g), value(h.pool(), w, g)) << "week " << w << " game " << g;
            }
        }
    }

    UiHarness h;
    int refreshes = 0;               // RefreshMainButtons calls
    std::function<void()> onRefresh; // runs inside each call
};

} // namespace vek::test
