// The splash window: what it shows and when it closes.
#include "app/frmsplash.h"

#include <QFrame>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace vek {
namespace {

TEST(Splash, ShowsTheApplicationsValues) {
    frmSplash splash;
    const auto text = [&](const char* name) {
        auto* label = splash.findChild<QLabel*>(QString::fromLatin1(name));
        return label != nullptr ? label->text() : QStringLiteral("<missing>");
    };
    EXPECT_EQ(text("lblVersion"), QStringLiteral("Version 6.0.0"));
    EXPECT_EQ(text("lblProductName"), QStringLiteral("Kestrelmoor"));
    EXPECT_EQ(text("lblProductEdition"), QStringLiteral("VEK Football Pool"));
    EXPECT_EQ(text("lblPlatform"), QStringLiteral("Win95/98/ME/NT/2000/XP"));
    EXPECT_EQ(text("lblLoading"), QString());
    EXPECT_EQ(text("lblCompanyProduct"), QStringLiteral("Kestrelmoor Software"));
    EXPECT_EQ(text("lblCopyright"),
              QStringLiteral("Copyright (C) Kestrelmoor Software. All rights reserved."));
    EXPECT_EQ(splash.findChild<QLabel*>(QStringLiteral("lblProductName"))->font().family(),
              QStringLiteral("Bernhard Modern Roman"));
    EXPECT_EQ(splash.findChild<QLabel*>(QStringLiteral("lblVersion"))->font().family(),
              QStringLiteral("Arial"));
    EXPECT_FALSE(splash.findChild<QLabel*>(QStringLiteral("imgLogo"))->pixmap().isNull());
    EXPECT_EQ(splash.findChild<QTimer*>(QStringLiteral("Timer1"))->interval(), 5000);
    EXPECT_EQ(splash.cursor().shape(), Qt::WaitCursor);
}

TEST(Splash, ClosesOnTheFirstTimerTick) {
    frmSplash splash(nullptr, 20);
    QSignalSpy finished(&splash, &QDialog::finished);
    splash.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return finished.count() == 1; }, 5000));
    EXPECT_FALSE(splash.isVisible());
}

TEST(Splash, ClickOnFrameLogoOrLabelClosesAtOnce) {
    for (const char* name : {"Frame1", "imgLogo", "lblVersion", "lblProductName", "lblProductEdition",
                             "lblPlatform", "lblLoading", "lblCompanyProduct", "lblCopyright"}) {
        frmSplash splash(nullptr, 60 * 60 * 1000);
        QSignalSpy finished(&splash, &QDialog::finished);
        splash.show();
        auto* target = splash.findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(target, nullptr) << name;
        QTest::mouseClick(target, Qt::LeftButton);
        EXPECT_EQ(finished.count(), 1) << name;
        EXPECT_FALSE(splash.isVisible()) << name;
    }
}

TEST(Splash, ClickOnTheBackgroundOrEscKeepsItOpen) {
    frmSplash splash(nullptr, 60 * 60 * 1000);
    QSignalSpy finished(&splash, &QDialog::finished);
    splash.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    ASSERT_EQ(splash.childAt(QPoint(2, 2)), nullptr); // outside the frame
    QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::keyClick(&splash, Qt::Key_Escape);
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(splash.isVisible());
}

} // namespace
} // namespace vek
