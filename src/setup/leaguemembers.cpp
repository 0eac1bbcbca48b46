#include "setup/leaguemembers.h"

#include "model/appinfo.h"
#include "model/datafolder.h"
#include "session/memberchanges.h"
#include "session/poolsession.h"
#include "widgets/controls.h"
#include "widgets/messages.h"
#include "widgets/waitcursor.h"
#include "widgets/windowhost.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

namespace vek {
namespace {

template <class W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

LeagueMembers::LeagueMembers(PoolSession& session, WindowHost& host, QWidget* parent)
    : PoolWindow(session, host, parent) {
    setObjectName(QStringLiteral("LeagueMembers"));
    setWindowTitle(QStringLiteral("Pool Members"));
    buildControls();
    buildLayout();
    connectControls();
}

void LeagueMembers::buildControls() {
    nameInput = named(new QLineEdit(this), "nameInput");
    emailInput = named(new QLineEdit(this), "emailInput");
    nameList = named(new QListWidget(this), "nameList");
    emailList = named(new QListWidget(this), "emailList");
    defmemList = named(new QComboBox(this), "defmemList");
    defmemList->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    defmemList->setMinimumContentsLength(24);
    nolmPanel = named(new QLabel(this), "nolmPanel");
    nolmPanel->setFrameShape(QFrame::Panel);
    nolmPanel->setFrameShadow(QFrame::Sunken);
    nolmPanel->setAlignment(Qt::AlignCenter);
    nolmPanel->setMinimumWidth(nolmPanel->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 8);
    cmdAdd = controls::makeButton(this, QStringLiteral("cmdAdd"), QStringLiteral("Add"));
    cmdEdit = controls::makeButton(this, QStringLiteral("cmdEdit"), QStringLiteral("Edit"));
    cmdDelete = controls::makeButton(this, QStringLiteral("cmdDelete"), QStringLiteral("Delete"));
    cmdClear = controls::makeButton(this, QStringLiteral("cmdClear"), QStringLiteral("Clear"));
    cmdOk = controls::makeButton(this, QStringLiteral("cmdOk"), QStringLiteral("Ok"));
    cmdCancel = controls::makeButton(this, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));
}

void LeagueMembers::buildLayout() {
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Enter Member Name:"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Enter Member's Email Address:"), this), 0, 1);
    grid->addWidget(nameInput, 1, 0);
    grid->addWidget(emailInput, 1, 1);
    grid->addWidget(nameList, 2, 0);
    grid->addWidget(emailList, 2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    auto* commands = new QVBoxLayout;
    commands->addSpacing(nameInput->sizeHint().height() * 2);
    for (QPushButton* button : {cmdAdd, cmdEdit, cmdDelete, cmdClear}) {
        commands->addWidget(button);
    }
    commands->addStretch();
    commands->addWidget(cmdOk);
    commands->addWidget(cmdCancel);
    grid->addLayout(commands, 0, 2, 3, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("Select Default Member"), this));
    bottom->addWidget(defmemList);
    bottom->addStretch();
    bottom->addWidget(new QLabel(QStringLiteral("Total Pool Members:"), this));
    bottom->addWidget(nolmPanel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(bottom);
    resize(760, 460);
}

void LeagueMembers::connectControls() {
    // The filters take what the user types or pastes; a member put into the boxes by Edit stays as the
    // member has it.
    const auto filterBox = [this](QLineEdit* input, FilteredName (*filter)(const QString&)) {
        connect(input, &QLineEdit::textEdited, this, [input, filter](const QString& text) {
            const FilteredName filtered = filter(text);
            if (filtered.changed) {
                const int cursor = static_cast<int>(filter(text.left(input->cursorPosition())).text.size());
                input->setText(filtered.text);
                input->setCursorPosition(cursor);
                QApplication::beep();
            }
        });
    };
    filterBox(nameInput, &filterMemberName);
    filterBox(emailInput, &filterMemberEmail);
    connect(nameInput, &QLineEdit::returnPressed, this, [this] {
        if (m_draft.canAdd()) {
            cmdAddClicked();
        }
    });
    // A click in either list selects the same member in the other.
    connect(nameList, &QListWidget::currentRowChanged, emailList,
            [this](int row) { emailList->setCurrentRow(row); });
    connect(emailList, &QListWidget::currentRowChanged, nameList,
            [this](int row) { nameList->setCurrentRow(row); });
    connect(defmemList, &QComboBox::activated, this, [this](int index) { m_draft.chooseDefault(index); });
    connect(cmdAdd, &QPushButton::clicked, this, &LeagueMembers::cmdAddClicked);
    connect(cmdEdit, &QPushButton::clicked, this, &LeagueMembers::cmdEditClicked);
    connect(cmdDelete, &QPushButton::clicked, this, &LeagueMembers::cmdDeleteClicked);
    connect(cmdClear, &QPushButton::clicked, this, &LeagueMembers::cmdClearClicked);
    connect(cmdOk, &QPushButton::clicked, this, &LeagueMembers::cmdOkClicked);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void LeagueMembers::loadWindow() {
    const WaitCursor wait;
    m_draft.load(m_session.pool());
    emptyInputs();
    showList(false);
}

void LeagueMembers::showList(bool keepSelection) {
    const int row = keepSelection ? nameList->currentRow() : -1;
    const QStringList names = m_draft.names();
    nameList->clear();
    nameList->addItems(names);
    emailList->clear();
    emailList->addItems(m_draft.emails());
    defmemList->clear();
    defmemList->addItems(names);
    defmemList->setCurrentIndex(m_draft.defaultIndex());
    if (row >= 0 && row < names.size()) {
        nameList->setCurrentRow(row);
    }
    nolmPanel->setText(QString::number(m_draft.count()));
    cmdAdd->setEnabled(m_draft.canAdd());
}

void LeagueMembers::emptyInputs() {
    nameInput->clear();
    emailInput->clear();
    nameInput->setFocus();
}

void LeagueMembers::cmdAddClicked() {
    const QString typed = nameInput->text();
    const MemberListDraft::AddOutcome outcome = m_draft.add(typed, emailInput->text());
    switch (outcome.result) {
    case MemberListDraft::AddResult::Ignored:
    case MemberListDraft::AddResult::Unchanged:
        return;
    case MemberListDraft::AddResult::Duplicate:
        QApplication::beep();
        m_host.messages().information(this, appinfo::messageTitle(),
                                      typed + QStringLiteral("\n and \n") + outcome.match +
                                          QLatin1Char('\n') + DuplicateEnd + QLatin1Char('\n') +
                                          DuplicateAdvice);
        nameInput->clear();
        nameInput->setFocus();
        return;
    case MemberListDraft::AddResult::Added:
    case MemberListDraft::AddResult::Stored:
        showList();
        emptyInputs();
        return;
    }
}

void LeagueMembers::cmdEditClicked() {
    const int row = nameList->currentRow();
    if (!m_draft.edit(row)) {
        return;
    }
    const auto& entry = at(m_draft.entries(), row);
    // Selected, so that typing replaces the member's texts.
    nameInput->setText(entry.name);
    nameInput->selectAll();
    emailInput->setText(entry.email);
    emailInput->selectAll();
    nameInput->setFocus();
    cmdAdd->setEnabled(m_draft.canAdd());
}

void LeagueMembers::cmdDeleteClicked() {
    // The deleted member's row is not selected any more: a second Delete removes nobody.
    if (m_draft.remove(nameList->currentRow())) {
        showList(false);
        nameInput->clear();
        nameInput->setFocus();
    }
}

void LeagueMembers::cmdClearClicked() {
    m_draft.clear();
    showList(false);
}

bool LeagueMembers::SaveMembers() {
    MemberListOutcome outcome;
    {
        const WaitCursor wait;
        outcome = changeMemberList(m_session, m_draft.change());
    }
    // A member named for the first time had no name to give in brackets.
    const auto renameLine = [](const MemberRename& rename) {
        return QLatin1Char('\n') + rename.newName +
               (isNamedMember(rename.oldName) ? QStringLiteral(" (") + rename.oldName + QLatin1Char(')')
                                              : QString());
    };
    if (!outcome.saved()) {
        QString text = outcome.written.failureText();
        if (!outcome.refused.empty()) {
            text = RenameRefused;
            for (const RefusedRename& refused : outcome.refused) {
                text += renameLine(refused.rename) + QStringLiteral(": ") +
                        refused.files.join(QStringLiteral(", "));
            }
        }
        m_host.messages().show(
            {this, appinfo::messageTitle(), text, Messages::Icon::Warning, Messages::Buttons::Ok});
        return false;
    }
    if (!outcome.kept.empty()) {
        QString text = KeptFiles;
        for (const MemberRename& kept : outcome.kept) {
            text += renameLine(kept);
        }
        m_host.messages().information(this, appinfo::messageTitle(), text);
    }
    return true;
}

void LeagueMembers::cmdOkClicked() {
    if (SaveMembers()) {
        accept();
    }
}

} // namespace vek
