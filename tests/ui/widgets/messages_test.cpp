// The message boxes on screen: a long list scrolls within its box and the buttons stay on the screen;
// each kind of box answers with the button pressed, and Esc answers as the box's cancel button.
#include "widgets/messages.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

namespace vek {
namespace {

// Shows a request through the Qt seam and works the box once it is on screen; the work must close it.
Messages::Answer showAndWork(const Messages::Request& request, const std::function<void(QDialog&)>& work) {
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            ADD_FAILURE() << "no message box on screen";
            return;
        }
        work(*box);
        if (box->isVisible()) {
            ADD_FAILURE() << "the work left the box open";
            box->reject();
        }
    });
    QtMessages messages;
    return messages.show(request);
}

QPushButton* buttonOf(QDialog& box, QDialogButtonBox::StandardButton which) {
    return box.findChild<QDialogButtonBox*>()->button(which);
}

TEST(QtMessagesOnScreen, NinetyMembersScrollAndTheBoxFitsAnEightHundredBySixHundredScreen) {
    // The test screen is at least that large; on a lower screen the box only gets lower.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_GE(screen.width(), 800);
    ASSERT_GE(screen.height(), 600);
    constexpr int TitleBar = 40; // the test screen's windows have no frame; a desktop's add a title bar
    // As start-up lists the members whose predictions are incomplete.
    QString text = QStringLiteral("The following member(s) do not have their predictions on file OR have "
                                  "incomplete predictions OR missing post season predictions: ");
    for (int member = 1; member <= 90; ++member) {
        text += QStringLiteral("\nMember %1 Bartholomew-Featherstonehaugh").arg(member);
    }

    QRect boxFrame;
    QRect okOnScreen;
    QString shownText;
    bool scrolls = false;
    const Messages::Answer answer =
        showAndWork({nullptr, QStringLiteral("Kestrelmoor - VEK Football Pool Message"), text,
                     Messages::Icon::Information, Messages::Buttons::Ok},
                    [&](QDialog& box) {
                        boxFrame = box.frameGeometry();
                        QPushButton* ok = buttonOf(box, QDialogButtonBox::Ok);
                        okOnScreen = QRect(ok->mapToGlobal(QPoint(0, 0)), ok->size());
                        shownText = box.findChild<QLabel*>(QStringLiteral("messageText"))->text();
                        scrolls = box.findChild<QScrollArea*>()->verticalScrollBar()->isVisible();
                        ok->click();
                    });
    EXPECT_EQ(answer, Messages::Answer::Ok);
    EXPECT_EQ(shownText, text);
    EXPECT_TRUE(scrolls);
    EXPECT_LE(boxFrame.width(), 800);
    EXPECT_LE(boxFrame.height() + TitleBar, 600);
    EXPECT_TRUE(screen.contains(boxFrame));
    EXPECT_TRUE(boxFrame.contains(okOnScreen));
}

TEST(QtMessagesOnScreen, EachBoxAnswersItsButtonsAndEscAsItsCancelButton) {
    struct Case {
        Messages::Buttons buttons;
        Messages::Answer defaultAnswer;
        QDialogButtonBox::StandardButton pressed; // NoButton: Esc
        Messages::Answer expected;
    };
    const Case cases[] = {
        {Messages::Buttons::Ok, Messages::Answer::Ok, QDialogButtonBox::Ok, Messages::Answer::Ok},
        {Messages::Buttons::Ok, Messages::Answer::Ok, QDialogButtonBox::NoButton, Messages::Answer::Ok},
        {Messages::Buttons::OkCancel, Messages::Answer::Ok, QDialogButtonBox::Ok, Messages::Answer::Ok},
        {Messages::Buttons::OkCancel, Messages::Answer::Ok, QDialogButtonBox::NoButton,
         Messages::Answer::Cancel},
        {Messages::Buttons::YesNo, Messages::Answer::No, QDialogButtonBox::Yes, Messages::Answer::Yes},
        {Messages::Buttons::YesNo, Messages::Answer::No, QDialogButtonBox::NoButton, Messages::Answer::No},
        {Messages::Buttons::YesNoCancel, Messages::Answer::Cancel, QDialogButtonBox::No,
         Messages::Answer::No},
        {Messages::Buttons::YesNoCancel, Messages::Answer::Cancel, QDialogButtonBox::NoButton,
         Messages::Answer::Cancel},
    };
    for (const Case& c : cases) {
        const int index = static_cast<int>(&c - cases);
        QDialogButtonBox::StandardButton defaultButton = QDialogButtonBox::NoButton;
        const auto work = [&](QDialog& box) {
            auto* buttons = box.findChild<QDialogButtonBox*>();
            for (QAbstractButton* button : buttons->buttons()) {
                if (static_cast<QPushButton*>(button)->isDefault()) {
                    defaultButton = buttons->standardButton(button);
                }
            }
            if (c.pressed == QDialogButtonBox::NoButton) {
                QTest::keyClick(&box, Qt::Key_Escape);
            } else {
                buttonOf(box, c.pressed)->click();
            }
        };
        const Messages::Answer answer =
            showAndWork({nullptr, QStringLiteral("Title"), QStringLiteral("Save?"), Messages::Icon::Question,
                         c.buttons, c.defaultAnswer},
                        work);
        EXPECT_EQ(answer, c.expected) << index;
        const auto expectedDefault = c.defaultAnswer == Messages::Answer::No       ? QDialogButtonBox::No
                                     : c.defaultAnswer == Messages::Answer::Cancel ? QDialogButtonBox::Cancel
                                                                                   : QDialogButtonBox::Ok;
        EXPECT_EQ(defaultButton, expectedDefault) << index;
    }
}

} // namespace
} // namespace vek
