#include "widgets/messages.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <utility>
#include <vector>

namespace vek {

void Messages::information(QWidget* parent, const QString& title, const QString& text) {
    show({parent, title, text, Icon::Information, Buttons::Ok});
}

void Messages::plain(QWidget* parent, const QString& title, const QString& text) {
    show({parent, title, text, Icon::None, Buttons::Ok});
}

bool Messages::askYesNo(QWidget* parent, const QString& title, const QString& text) {
    return show({parent, title, text, Icon::Question, Buttons::YesNo, Answer::No}) == Answer::Yes;
}

namespace {

// The widest a message's text runs before it wraps, and the share of the screen's height its text may
// take before it scrolls; the rest is left for the icon, the buttons and the window's frame.
constexpr int MaxTextWidth = 500;
constexpr int TextHeightShare = 60; // percent
constexpr int TextInset = 4;

QStyle::StandardPixmap iconPixmap(Messages::Icon icon) {
    switch (icon) {
    case Messages::Icon::Warning:
        return QStyle::SP_MessageBoxWarning;
    case Messages::Icon::Critical:
        return QStyle::SP_MessageBoxCritical;
    case Messages::Icon::Question:
        return QStyle::SP_MessageBoxQuestion;
    case Messages::Icon::Information:
    case Messages::Icon::None:
        break;
    }
    return QStyle::SP_MessageBoxInformation;
}

// Esc and the close box answer as a message box does: its only button, Cancel, or No.
Messages::Answer escapeAnswer(Messages::Buttons buttons) {
    switch (buttons) {
    case Messages::Buttons::OkCancel:
    case Messages::Buttons::YesNoCancel:
        return Messages::Answer::Cancel;
    case Messages::Buttons::YesNo:
        return Messages::Answer::No;
    case Messages::Buttons::Ok:
        break;
    }
    return Messages::Answer::Ok;
}

std::vector<std::pair<QDialogButtonBox::StandardButton, Messages::Answer>>
buttonsOf(Messages::Buttons buttons) {
    switch (buttons) {
    case Messages::Buttons::OkCancel:
        return {{QDialogButtonBox::Ok, Messages::Answer::Ok},
                {QDialogButtonBox::Cancel, Messages::Answer::Cancel}};
    case Messages::Buttons::YesNo:
        return {{QDialogButtonBox::Yes, Messages::Answer::Yes}, {QDialogButtonBox::No, Messages::Answer::No}};
    case Messages::Buttons::YesNoCancel:
        return {{QDialogButtonBox::Yes, Messages::Answer::Yes},
                {QDialogButtonBox::No, Messages::Answer::No},
                {QDialogButtonBox::Cancel, Messages::Answer::Cancel}};
    case Messages::Buttons::Ok:
        break;
    }
    return {{QDialogButtonBox::Ok, Messages::Answer::Ok}};
}

/// A message box whose text is shown whole: a text taller than the screen allows (a long list of
/// member names) scrolls within the box, so that its buttons stay on the screen.
class MessageBox final : public QDialog {
public:
    explicit MessageBox(const Messages::Request& request)
        : QDialog(request.parent), m_answer(escapeAnswer(request.buttons)) {
        setObjectName(QStringLiteral("messageBox"));
        setWindowTitle(request.title);
        auto* grid = new QGridLayout(this);
        grid->setSizeConstraint(QLayout::SetFixedSize);
        grid->setHorizontalSpacing(16);
        if (request.icon != Messages::Icon::None) {
            auto* icon = new QLabel(this);
            const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
            icon->setPixmap(
                style()->standardIcon(iconPixmap(request.icon), nullptr, this).pixmap(size, size));
            grid->addWidget(icon, 0, 0, Qt::AlignTop);
        }
        grid->addWidget(buildText(request), 0, 1);

        auto* box = new QDialogButtonBox(this);
        for (const auto& [standard, answer] : buttonsOf(request.buttons)) {
            QPushButton* button = box->addButton(standard);
            connect(button, &QPushButton::clicked, this, [this, answer = answer] {
                m_answer = answer;
                accept();
            });
            if (answer == request.defaultAnswer) {
                button->setDefault(true);
                button->setFocus();
            }
        }
        grid->addWidget(box, 1, 0, 1, 2);
    }

    [[nodiscard]] Messages::Answer answer() const { return m_answer; }

private:
    QScrollArea* buildText(const Messages::Request& request) {
        auto* label = new QLabel(request.text);
        label->setObjectName(QStringLiteral("messageText"));
        label->setTextFormat(Qt::PlainText); // names and file paths are never markup
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);

        const QFontMetrics metrics = label->fontMetrics();
        int widest = 0;
        for (const QString& line : request.text.split(QLatin1Char('\n'))) {
            widest = std::max(widest, metrics.horizontalAdvance(line));
        }
        const QScreen* screen =
            request.parent != nullptr ? request.parent->screen() : QGuiApplication::primaryScreen();
        const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 800, 600);
        // A pixel or two of slack, so that a line measured to fit is not wrapped by rounding.
        const int width = std::min({widest + 2, MaxTextWidth, available.width() / 2});
        const int maxHeight = available.height() * TextHeightShare / 100;
        const bool scrolls = label->heightForWidth(width) > maxHeight;
        if (scrolls) {
            label->setContentsMargins(TextInset, 0, TextInset, 0); // keeps the text off the frame
        }
        const int labelWidth = label->contentsMargins().left() + width + label->contentsMargins().right();
        const int height = label->heightForWidth(labelWidth);
        label->setFixedSize(labelWidth, height);

        auto* area = new QScrollArea(this);
        area->setObjectName(QStringLiteral("messageScroll"));
        area->setWidget(label);
        area->setBackgroundRole(QPalette::Window);
        area->setFrameShape(scrolls ? QFrame::StyledPanel : QFrame::NoFrame);
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        area->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        const int frame = 2 * area->frameWidth();
        const int scrollBar = scrolls ? area->verticalScrollBar()->sizeHint().width() : 0;
        area->setFixedSize(labelWidth + scrollBar + frame, std::min(height, maxHeight) + frame);
        return area;
    }

    Messages::Answer m_answer;
};

} // namespace

Messages::Answer QtMessages::show(const Request& request) {
    MessageBox box(request);
    box.exec();
    return box.answer();
}

int QtModalRunner::run(QDialog& dialog) {
    return dialog.exec();
}

} // namespace vek
