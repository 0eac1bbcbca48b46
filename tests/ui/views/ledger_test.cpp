// The ledger window: opened from the main window on the worked pool, each event's balances and their
// colours, and the pages of the largest pool.
#include "views/ledger.h"

#include "support/poolbuilder.h"
#include "support/viewtest.h"
#include "views/standingsfigures.h"
#include "views/workedpool.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace vek {
namespace {

using namespace colours;
using test::control;
using test::labelText;
using test::shown;

class LedgerWindowTest : public ::testing::Test {
protected:
    Ledger& open() { return test::reopen<Ledger>(h); }
    static QColor fore(const QWidget& w, const QString& name) { return test::fore(control<QLabel>(w, name)); }

    test::UiHarness h;
};

TEST_F(LedgerWindowTest, OpensFromTheMainWindowOnTheWorkedPool) {
    test::buildWorkedPool(h.pool());
    test::lookFromMainWindow(h, "cmdLedger", [&](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Ledger"));
        // The season is not over: every Season balance is 0, in white.
        EXPECT_EQ(labelText(w, QStringLiteral("EventBox")), QStringLiteral("Season"));
        EXPECT_EQ(labelText(w, QStringLiteral("MemBox1")), QStringLiteral("Bob"));
        EXPECT_EQ(labelText(w, QStringLiteral("BalBox1")), QStringLiteral("0"));
        EXPECT_EQ(fore(w, QStringLiteral("BalBox1")), White);
        EXPECT_FALSE(shown(control<QLabel>(w, QStringLiteral("MemBox3"))));
        EXPECT_FALSE(shown(control<QPushButton>(w, QStringLiteral("cmdMemGroup"))));

        struct Case {
            int event;
            const char* name;
            std::array<const char*, 3> balances;
            std::array<QColor, 3> colours;
        };
        const Case cases[] = {
            {2, "Semi-Season", {"40", "-20", "-20"}, {Black, Red, Red}},
            {5, "Qtr Games Behind", {"2", "3", "-4"}, {Black, Black, Red}}, // 1.5 and 2.5 away from zero
            {6, "Good Week", {"5", "5", "-10"}, {Black, Black, Red}},
            {13, "Monday Night", {"0", "0", "0"}, {White, White, White}},
        };
        for (const Case& c : cases) {
            control<QSpinBox>(w, QStringLiteral("EventSpin"))->setValue(c.event);
            EXPECT_EQ(labelText(w, QStringLiteral("EventBox")), QString::fromLatin1(c.name));
            for (int m = 0; m < 3; ++m) {
                const QString box = QStringLiteral("BalBox%1").arg(m);
                EXPECT_EQ(labelText(w, box), QString::fromLatin1(c.balances[m])) << c.name << " " << m;
                EXPECT_EQ(fore(w, box), c.colours[m]) << c.name << " " << m;
            }
        }
    });

    // The next opening starts again on "Season".
    Ledger& w = open();
    EXPECT_EQ(labelText(w, QStringLiteral("EventBox")), QStringLiteral("Season"));
}

TEST_F(LedgerWindowTest, PagesOfThirtyReachEveryMemberOfTheLargestPool) {
    test::fillLargestPool(h.pool());
    Ledger& w = open();
    auto* group = control<QPushButton>(w, QStringLiteral("cmdMemGroup"));
    EXPECT_TRUE(shown(group));
    test::expectWholeOnScreen(w, QStringLiteral("ledger"));

    // Every line of every page, the short last one too, is its member's or hidden: none is left over
    // from the page before.
    const PoolData& p = h.pool();
    const std::array<int, 6> firsts{0, 30, 60, 90, 120, 0};
    for (int page = 0; page < 6; ++page) {
        SCOPED_TRACE(page);
        for (int line = 0; line < 30; ++line) {
            const int member = firsts[page] + line;
            const auto* name = control<QLabel>(w, QStringLiteral("MemBox%1").arg(line));
            const auto* balance = control<QLabel>(w, QStringLiteral("BalBox%1").arg(line));
            EXPECT_EQ(shown(name), member < 121) << line;
            EXPECT_EQ(shown(balance), member < 121) << line;
            if (member < 121) {
                EXPECT_EQ(name->toolTip().isEmpty() ? name->text() : name->toolTip(), p.memberName[member]);
                EXPECT_EQ(balance->text(), balanceText(p.ledgerBalance[member][EvSeason])) << line;
            }
        }
        group->click();
    }
}

} // namespace
} // namespace vek
