// Pictures of the weekly entry window in its three modes, for a person to look at after a run: written to
// the folder VEK_SCREENSHOTS names, or to "vek-entry-screens" in the temporary folder.
#include "resultspredict_fixture.h"

#include <QDir>

namespace vek {
namespace {

using test::ResultsPredictTest;

class ResultsPredictScreens : public ResultsPredictTest {
protected:
    void SetUp() override {
        m_folder = qEnvironmentVariable("VEK_SCREENSHOTS");
        if (m_folder.isEmpty()) {
            m_folder = QDir::temp().filePath(QStringLiteral("vek-entry-screens"));
        }
        ASSERT_TRUE(QDir().mkpath(m_folder));
    }
    void shoot(const QString& name) {
        ASSERT_TRUE(entry().grab().save(QDir(m_folder).filePath(name + QStringLiteral(".png"))));
    }
    QString m_folder;
};

TEST_F(ResultsPredictScreens, EveryMode) {
    usePool(3, [](PoolData& pool) { pool.usePointSpreads = True16; });
    open(0);
    click(away(0));
    click(home(1));
    click(cpBox(2));
    click(away(14));
    shoot(QStringLiteral("predictions"));
    close();

    open(1);
    click(away(0));
    click(tie(1));
    edit(QStringLiteral("awayScoreBox"))->setFocus();
    QTest::keyClicks(edit(QStringLiteral("awayScoreBox")), QStringLiteral("24"));
    shoot(QStringLiteral("results"));
    close();

    h.pool().usePointSpreads = 0;
    open(1);
    click(home(2));
    shoot(QStringLiteral("results-nospreads"));
    close();

    h.pool().usePointSpreads = True16;
    open(2);
    click(away(3));
    spin(QStringLiteral("spreadSpin"))->setValue(7);
    click(tie(4));
    shoot(QStringLiteral("spreads"));
    close();
}

} // namespace
} // namespace vek
