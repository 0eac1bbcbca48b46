#include "output/printwindow.h"

#include "model/appinfo.h"
#include "output/qtprintercatalog.h"
#include "output/reportmail.h"
#include "reports/reportdispatch.h"
#include "reports/reportmask.h"
#include "reports/reportprinter.h"
#include "session/poolsession.h"
#include "widgets/controls.h"
#include "widgets/messages.h"
#include "widgets/updown.h"
#include "widgets/waitcursor.h"
#include "widgets/windowhost.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vek {
namespace {

constexpr int LastWeekSlot = WeekSlots - 1;
constexpr int MaxCopies = 15;
const QString HtmlTag = QStringLiteral("html;");
const QString PlainTag = QStringLiteral("plain;");
const char* const TagProperty = "tag";

template <class W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

using controls::makeButton;

UpDown* makeSpinner(QWidget* parent, const char* name, int minimum, int maximum) {
    UpDown* spin = controls::makeUpDown(parent, QString::fromLatin1(name));
    spin->setRange(minimum, maximum);
    return spin;
}

QLabel* makePanel(QWidget* parent, const char* name) {
    auto* panel = named(new QLabel(parent), name);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setAlignment(Qt::AlignCenter);
    panel->setMinimumWidth(34);
    return panel;
}

} // namespace

PrintWindow::PrintWindow(PoolSession& session, WindowHost& host, QWidget* parent)
    : PoolWindow(session, host, parent),
      m_ownCatalog(std::make_unique<QtPrinterCatalog>(session.folder().path())), m_catalog(*m_ownCatalog),
      m_mail(new SmtpClient(SmtpClient::TickMs, this)) {
    buildControls();
    buildLayout();
}

PrintWindow::PrintWindow(PoolSession& session, WindowHost& host, PrinterCatalog& catalog, int mailTickMs,
                         QWidget* parent)
    : PoolWindow(session, host, parent), m_catalog(catalog), m_mail(new SmtpClient(mailTickMs, this)) {
    buildControls();
    buildLayout();
}

PrintWindow::~PrintWindow() = default;

void PrintWindow::buildControls() {
    setObjectName(QStringLiteral("PrintWindow"));

    Frame1 = named(new QGroupBox(QStringLiteral("Print Options"), this), "Frame1");
    prdOption = named(new QRadioButton(QStringLiteral("Predictions Listing"), Frame1), "prdOption");
    rsltOption = named(new QRadioButton(ResultsDesignCaption, Frame1), "rsltOption");
    ssnOption = named(new QRadioButton(QStringLiteral("Season Schedule / Entry Form"), Frame1), "ssnOption");
    wkOption = named(new QRadioButton(QStringLiteral("Weekly Schedule / Entry Form"), Frame1), "wkOption");
    noneOption = named(new QRadioButton(QStringLiteral("None"), Frame1), "noneOption");
    m_reportGroup = new QButtonGroup(this);
    for (QRadioButton* option : {prdOption, rsltOption, ssnOption, wkOption, noneOption}) {
        m_reportGroup->addButton(option);
    }
    psCheck = named(new QCheckBox(QStringLiteral("Post Season"), Frame1), "psCheck");
    ledgerCheck = named(new QCheckBox(QStringLiteral("Ledger"), Frame1), "ledgerCheck");
    standCheck = named(new QCheckBox(QStringLiteral("Team Standings"), Frame1), "standCheck");
    diffCheck = named(new QCheckBox(QStringLiteral("Differences Charts"), Frame1), "diffCheck");
    profileCheck = named(new QCheckBox(QStringLiteral("Event Pool Profiles"), Frame1), "profileCheck");
    frmStyle = named(new QGroupBox(Frame1), "frmStyle");
    unsortedOption = named(new QRadioButton(QStringLiteral("Unsorted"), frmStyle), "unsortedOption");
    sortedOption = named(new QRadioButton(QStringLiteral("Sorted"), frmStyle), "sortedOption");
    auto* styleGroup = new QButtonGroup(this);
    styleGroup->addButton(unsortedOption);
    styleGroup->addButton(sortedOption);

    fromSpin = makeSpinner(this, "fromSpin", 0, LastWeekSlot);
    toSpin = makeSpinner(this, "toSpin", 0, LastWeekSlot);
    copiesSpin = makeSpinner(this, "copiesSpin", 1, MaxCopies);
    fromPanel = makePanel(this, "fromPanel");
    toPanel = makePanel(this, "toPanel");
    copiesPanel = makePanel(this, "copiesPanel");

    fileOption = named(new QCheckBox(this), "fileOption");
    chkHTML = named(new QCheckBox(QStringLiteral("Send As HTML"), this), "chkHTML");
    chkHTML->setToolTip(QStringLiteral("Click to Send the E-mail as HTML"));
    chkHTML->setProperty(TagProperty, PlainTag);

    lstMember = named(new QListWidget(this), "lstMember");
    lstMember->setSelectionMode(QAbstractItemView::MultiSelection);
    chkAll = named(new QCheckBox(QStringLiteral("Select All"), this), "chkAll");
    cmdEmail = makeButton(this, "cmdEmail", QStringLiteral("Send Email"));

    lstPrinters = named(new QListWidget(this), "lstPrinters");
    cmdSelect = makeButton(this, "cmdSelect", QStringLiteral("Select"));
    lblPrinterStatus = named(new QLabel(this), "lblPrinterStatus");
    lblPrinterStatus->setWordWrap(true);
    lblSelectedPrinter = named(new QLabel(this), "lblSelectedPrinter");
    lblSelectedPrinter->setFrameShape(QFrame::Panel);
    lblSelectedPrinter->setFrameShadow(QFrame::Sunken);
    m_orientationGroup = new QButtonGroup(this);
    optOrientation[0] = named(new QRadioButton(QStringLiteral("Portrait"), this), "optOrientation0");
    optOrientation[1] = named(new QRadioButton(QStringLiteral("Landscape"), this), "optOrientation1");
    m_orientationGroup->addButton(optOrientation[0], 0);
    m_orientationGroup->addButton(optOrientation[1], 1);

    cmdPrint = makeButton(this, "cmdPrint", QStringLiteral("Print"));
    cmdCancel = makeButton(this, "cmdCancel", QStringLiteral("Cancel"));
    infoPanel = named(new QLabel(this), "infoPanel");
    infoPanel->setAlignment(Qt::AlignCenter);
    infoPanel->setMinimumHeight(34);

    connect(prdOption, &QRadioButton::clicked, this, &PrintWindow::prdOptionClicked);
    connect(rsltOption, &QRadioButton::clicked, this, &PrintWindow::rsltOptionClicked);
    connect(ssnOption, &QRadioButton::clicked, this, &PrintWindow::ssnOptionClicked);
    connect(wkOption, &QRadioButton::clicked, this, &PrintWindow::wkOptionClicked);
    connect(noneOption, &QRadioButton::clicked, this, &PrintWindow::noneOptionClicked);
    connect(unsortedOption, &QRadioButton::clicked, this, &PrintWindow::applyResultsKind);
    connect(fromSpin, &UpDown::valueChanged, this, &PrintWindow::fromSpinChanged);
    connect(toSpin, &UpDown::valueChanged, this, &PrintWindow::toSpinChanged);
    connect(copiesSpin, &UpDown::valueChanged, this, &PrintWindow::copiesSpinChanged);
    connect(lstMember, &QListWidget::itemSelectionChanged, this,
            [this] { cmdEmail->setEnabled(!m_mail->isRunning() && !lstMember->selectedItems().isEmpty()); });
    connect(cmdEmail, &QPushButton::clicked, this, &PrintWindow::cmdEmailClicked);
    connect(m_mail, &SmtpClient::progress, infoPanel, &QLabel::setText);
    connect(m_mail, &SmtpClient::finished, this, &PrintWindow::mailFinished);
    connect(chkAll, &QCheckBox::clicked, this, &PrintWindow::chkAllClicked);
    connect(chkHTML, &QCheckBox::clicked, this, &PrintWindow::chkHtmlClicked);
    connect(&m_catalog, &PrinterCatalog::listed, this, &PrintWindow::showPrinters);
    connect(cmdSelect, &QPushButton::clicked, this, &PrintWindow::cmdSelectClicked);
    connect(m_orientationGroup, &QButtonGroup::idClicked, this, &PrintWindow::optOrientationClicked);
    connect(cmdPrint, &QPushButton::clicked, this, &PrintWindow::cmdPrintClicked);
    connect(cmdCancel, &QPushButton::clicked, this, &PrintWindow::reject);
}

void PrintWindow::buildLayout() {
    auto* style = new QVBoxLayout(frmStyle);
    style->addWidget(unsortedOption);
    style->addWidget(sortedOption);

    auto* options = new QGridLayout(Frame1);
    int row = 0;
    for (QRadioButton* option : {prdOption, rsltOption, ssnOption, wkOption, noneOption}) {
        options->addWidget(option, row++, 0);
    }
    row = 0;
    for (QCheckBox* check : {psCheck, ledgerCheck, standCheck, diffCheck, profileCheck}) {
        options->addWidget(check, row++, 1);
    }
    options->addWidget(frmStyle, 0, 2, 3, 1, Qt::AlignTop);
    options->setColumnStretch(0, 1);

    auto* weeks = new QGridLayout;
    const auto addSpinner = [&](int r, const QString& caption, QLabel* panel, UpDown* spin) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(spin);
        weeks->addWidget(label, r, 0, Qt::AlignRight);
        weeks->addWidget(panel, r, 1);
        weeks->addWidget(spin, r, 2);
    };
    addSpinner(0, QStringLiteral("From Week:"), fromPanel, fromSpin);
    addSpinner(1, QStringLiteral("To Week:"), toPanel, toSpin);
    addSpinner(2, QStringLiteral("Copies:"), copiesPanel, copiesSpin);

    auto* fileFrame = named(new QGroupBox(QStringLiteral("Print To File"), this), "Frame2");
    auto* file = new QVBoxLayout(fileFrame);
    file->addWidget(fileOption);
    file->addWidget(chkHTML);

    auto* middle = new QVBoxLayout;
    middle->addLayout(weeks);
    middle->addWidget(fileFrame);
    middle->addStretch();

    auto* mailFrame = named(new QGroupBox(QStringLiteral("E-mail To"), this), "Frame3");
    auto* mail = new QVBoxLayout(mailFrame);
    mail->addWidget(lstMember, 1);
    auto* mailRow = new QHBoxLayout;
    mailRow->addWidget(chkAll);
    mailRow->addStretch();
    mailRow->addWidget(cmdEmail);
    mail->addLayout(mailRow);

    auto* printerFrame = named(new QGroupBox(QStringLiteral("Printers"), this), "Frame4");
    auto* printers = new QGridLayout(printerFrame);
    printers->addWidget(lstPrinters, 0, 0, 1, 2);
    printers->addWidget(lblPrinterStatus, 1, 0);
    printers->addWidget(cmdSelect, 1, 1, Qt::AlignTop);
    printers->addWidget(new QLabel(QStringLiteral("Selected Printer"), this), 2, 0, 1, 2);
    printers->addWidget(lblSelectedPrinter, 3, 0, 1, 2);
    auto* orientationFrame = named(new QGroupBox(QStringLiteral("Orientation"), this), "Frame5");
    auto* orientation = new QHBoxLayout(orientationFrame);
    orientation->addWidget(optOrientation[0]);
    orientation->addWidget(optOrientation[1]);
    printers->addWidget(orientationFrame, 4, 0, 1, 2);
    printers->setColumnStretch(0, 1);

    auto* commands = new QHBoxLayout;
    commands->addWidget(infoPanel, 1);
    commands->addWidget(cmdPrint);
    commands->addWidget(cmdCancel);

    auto* top = new QHBoxLayout;
    top->addWidget(Frame1, 3);
    top->addLayout(middle, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(mailFrame, 1);
    bottom->addWidget(printerFrame, 1);

    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addLayout(bottom, 1);
    page->addLayout(commands);
    resize(760, 520);
}

void PrintWindow::loadWindow() {
    const WaitCursor wait;
    const PoolData& pool = m_session.pool();

    // Each opening starts as the window first came up: no report, no tick, printing the destination.
    m_reportKind = KindNotChosen;
    m_fromWeek = 0;
    m_toWeek = 0;
    m_copies = 1;
    clearReportOptions();
    for (QCheckBox* check :
         {psCheck, ledgerCheck, standCheck, diffCheck, profileCheck, fileOption, chkHTML, chkAll}) {
        check->setChecked(false);
    }
    chkHTML->setProperty(TagProperty, PlainTag);
    fileOption->setText(QString());
    rsltOption->setText(ResultsDesignCaption);
    frmStyle->hide();
    infoPanel->clear();

    for (QRadioButton* option : {ssnOption, rsltOption, prdOption}) {
        option->setEnabled(false);
    }
    enableSections(false, false, false, false);
    cmdEmail->setEnabled(false);
    cmdEmail->setText(QStringLiteral("Send Email"));
    cmdPrint->setEnabled(true);
    enableSpinners(true);
    setWindowTitle(appinfo::Title + QStringLiteral(" Print Options"));

    lstMember->clear();
    for (int m = 0; m < pool.memberCount(); ++m) {
        lstMember->addItem(pool.memberName[m]);
    }
    ssnOption->setEnabled(pool.scheduleEntries == pool.numTeams * pool.numWeeks);
    rsltOption->setEnabled(pool.currentWeek != -1);
    bool anyComplete = false;
    for (int m = 0; m < pool.memberCount(); ++m) {
        anyComplete = anyComplete || isTrue(pool.predictionsComplete[m]);
    }
    prdOption->setEnabled((pool.postSeasonPoints <= 0 && pool.bigGamePoints <= 0) || anyComplete);

    // The spinners start from their first positions at every opening, so that setting them below runs
    // their handlers as it did the first time (the results option's caption depends on it).
    controls::setQuietly(fromSpin, 0, LastWeekSlot, 0);
    controls::setQuietly(toSpin, 0, LastWeekSlot, 0);
    controls::setQuietly(copiesSpin, 1, MaxCopies, 1);
    m_fromWeek = 0;
    fromSpin->setValue(0);
    m_toWeek = pool.currentWeek == -1 ? lastWeek() : pool.currentWeek;
    toSpin->setValue(m_toWeek);
    m_copies = 1;
    copiesSpin->setValue(1);
    showPanels();

    lstPrinters->clear();
    m_catalog.refresh();
    showPrinters();
    m_orientationGroup->setExclusive(false);
    for (QRadioButton* option : optOrientation) {
        option->setChecked(false);
    }
    m_orientationGroup->setExclusive(true);
}

ReportChoice PrintWindow::choice() const {
    ReportChoice c;
    if (prdOption->isChecked()) {
        c.report = ReportOption::Predictions;
    } else if (rsltOption->isChecked()) {
        c.report = ReportOption::Results;
    } else if (ssnOption->isChecked()) {
        c.report = ReportOption::SeasonForm;
    } else if (wkOption->isChecked()) {
        c.report = ReportOption::WeeklyForms;
    } else if (noneOption->isChecked()) {
        c.report = ReportOption::None;
    }
    c.kind = m_reportKind;
    c.fromWeek = m_fromWeek;
    c.toWeek = m_toWeek;
    c.unsorted = unsortedOption->isChecked();
    // The ticks as they stand: a box the window disabled keeps its tick, and the reports still see it.
    c.postSeason = psCheck->isChecked();
    c.ledger = ledgerCheck->isChecked();
    c.teamStandings = standCheck->isChecked();
    c.differences = diffCheck->isChecked();
    c.profiles = profileCheck->isChecked();
    c.toFile = fileOption->isChecked();
    c.html = chkHTML->isChecked();
    c.fileName = fileOption->text();
    c.copies = m_copies;
    c.orientation = m_catalog.orientation();
    return c;
}

int16_t PrintWindow::lastWeek() const {
    return static_cast<int16_t>(std::max(0, m_session.pool().numWeeks - 1));
}

bool PrintWindow::wholeSeason() const {
    return m_fromWeek == 0 && m_toWeek == m_session.pool().numWeeks - 1;
}

QString PrintWindow::weeklyFileName() const {
    return QStringLiteral("week") + formatNumber(m_fromWeek + 1, u"00") + formatNumber(m_toWeek + 1, u"00") +
           QStringLiteral(".txt");
}

void PrintWindow::showPanels() {
    fromPanel->setText(QString::number(m_fromWeek + 1));
    toPanel->setText(QString::number(m_toWeek + 1));
    copiesPanel->setText(QString::number(m_copies));
}

void PrintWindow::enableSections(bool postSeason, bool ledger, bool standings, bool differences) {
    psCheck->setEnabled(postSeason);
    ledgerCheck->setEnabled(ledger);
    standCheck->setEnabled(standings);
    diffCheck->setEnabled(differences);
}

void PrintWindow::enableSpinners(bool on) {
    fromSpin->setEnabled(on);
    toSpin->setEnabled(on);
}

void PrintWindow::clearReportOptions() {
    m_reportGroup->setExclusive(false);
    for (QAbstractButton* option : m_reportGroup->buttons()) {
        option->setChecked(false);
    }
    m_reportGroup->setExclusive(true);
    unsortedOption->setChecked(false);
    sortedOption->setChecked(false);
}

void PrintWindow::showPrinters() {
    const QListWidgetItem* item = lstPrinters->currentItem();
    const QString picked = item != nullptr && item->isSelected() ? item->text() : QString();
    lstPrinters->clear();
    const QStringList devices = m_catalog.deviceNames();
    for (int i = 0; i < devices.size(); ++i) {
        auto* device = new QListWidgetItem(devices[i], lstPrinters);
        device->setData(Qt::UserRole, i);
        if (devices[i] == picked) {
            lstPrinters->setCurrentItem(device);
        }
    }
    showCurrentPrinter();

    const bool listing = m_catalog.isListing();
    if (listing) {
        lstPrinters->setCursor(Qt::WaitCursor);
    } else {
        lstPrinters->unsetCursor();
    }
    QString status = m_catalog.listFailure();
    if (listing) {
        status = LookingForPrintersText;
    } else if (!status.isEmpty()) {
        status = OnlyPdfText.arg(status.front().toUpper() + status.mid(1));
    }
    lblPrinterStatus->setText(status);
    lblPrinterStatus->setVisible(!status.isEmpty());
}

void PrintWindow::showCurrentPrinter() {
    lblSelectedPrinter->setText(m_catalog.currentName());
}

void PrintWindow::prdOptionClicked() {
    enableSections(true, false, true, true);
    enableSpinners(true);
    frmStyle->hide();
    m_reportKind = KindPredictions;
    m_fromWeek = 0;
    m_toWeek = lastWeek();
    m_copies = 1;
    showPanels();
    fileOption->setText(QStringLiteral("predict.txt"));
}

void PrintWindow::rsltOptionClicked() {
    const PoolData& pool = m_session.pool();
    m_fromWeek = std::max<int16_t>(pool.currentWeek, 0);
    m_toWeek = m_fromWeek;
    m_copies = 1;
    showPanels();
    const bool lastOfSeason = m_toWeek == pool.numWeeks - 1;
    enableSections(lastOfSeason, true, lastOfSeason, true);
    rsltOption->setText(lastOfSeason ? ResultsPlusCaption : ResultsCaption);
    enableSpinners(true);
    m_reportKind = KindResultsRange;
    fileOption->setText(QStringLiteral("results.txt"));
    frmStyle->show();
    sortedOption->setChecked(true);
}

void PrintWindow::ssnOptionClicked() {
    enableSections(false, false, false, false);
    enableSpinners(false);
    frmStyle->hide();
    m_fromWeek = 0;
    m_toWeek = lastWeek();
    m_copies = 1;
    showPanels();
    fileOption->setText(QStringLiteral("season.txt"));
}

void PrintWindow::wkOptionClicked() {
    const PoolData& pool = m_session.pool();
    enableSections(false, false, false, false);
    enableSpinners(true);
    frmStyle->hide();
    if (pool.currentWeek == -1) {
        m_fromWeek = 0;
        m_toWeek = lastWeek();
    } else {
        m_fromWeek = pool.currentWeek;
        m_toWeek = pool.currentWeek;
    }
    m_copies = 1;
    showPanels();
    fileOption->setText(weeklyFileName());
}

void PrintWindow::noneOptionClicked() {
    enableSections(false, false, false, false);
    frmStyle->hide();
    fileOption->setText(QStringLiteral("none.txt"));
}

void PrintWindow::applyResultsKind() {
    // Only the whole season is a season report; any other range is a range report, with its title block.
    if (rsltOption->isChecked()) {
        m_reportKind = wholeSeason() ? KindResultsSeason : KindResultsRange;
    }
}

void PrintWindow::fromSpinChanged(int position) {
    m_fromWeek = static_cast<int16_t>(position);
    if (m_fromWeek > m_toWeek) {
        m_fromWeek = m_toWeek;
        fromSpin->setValue(m_fromWeek);
    }
    applyResultsKind();
    fromPanel->setText(QString::number(m_fromWeek + 1));
    if (wkOption->isChecked()) {
        fileOption->setText(weeklyFileName());
    }
}

void PrintWindow::toSpinChanged(int position) {
    const PoolData& pool = m_session.pool();
    const int16_t limit = rsltOption->isChecked() ? std::max<int16_t>(pool.currentWeek, 0) : lastWeek();
    m_toWeek = static_cast<int16_t>(position);
    if (m_toWeek < m_fromWeek) {
        m_toWeek = m_fromWeek;
        toSpin->setValue(m_toWeek);
    }
    if (m_toWeek > limit) {
        m_toWeek = limit;
        toSpin->setValue(m_toWeek);
    }
    applyResultsKind();
    toPanel->setText(QString::number(m_toWeek + 1));
    const bool lastOfSeason = m_toWeek == pool.numWeeks - 1;
    if (lastOfSeason && (prdOption->isChecked() || rsltOption->isChecked())) {
        rsltOption->setText(ResultsPlusCaption);
        psCheck->setEnabled(true);
        ledgerCheck->setEnabled(true);
        standCheck->setEnabled(true);
    } else {
        rsltOption->setText(ResultsCaption);
        psCheck->setEnabled(false);
        ledgerCheck->setEnabled(false);
        standCheck->setEnabled(false);
    }
    if (wkOption->isChecked()) {
        fileOption->setText(weeklyFileName());
    }
}

void PrintWindow::copiesSpinChanged(int position) {
    m_copies = static_cast<int16_t>(position);
    copiesPanel->setText(QString::number(m_copies));
}

void PrintWindow::chkAllClicked() {
    if (chkAll->isChecked()) {
        lstMember->selectAll();
    } else {
        lstMember->clearSelection();
    }
}

void PrintWindow::chkHtmlClicked() {
    chkHTML->setProperty(TagProperty, chkHTML->isChecked() ? HtmlTag : PlainTag);
}

void PrintWindow::cmdSelectClicked() {
    QListWidgetItem* item = lstPrinters->currentItem();
    if (item == nullptr || !item->isSelected()) {
        m_host.messages().show(
            {this, SelectPrinterTitle, SelectPrinterText, Messages::Icon::Warning, Messages::Buttons::Ok});
        return;
    }
    m_catalog.setCurrentDevice(item->data(Qt::UserRole).toInt());
    showCurrentPrinter();
    const int index = m_catalog.orientation() == PageOrientation::Landscape ? 1 : 0;
    optOrientation[index]->setChecked(true);
    optOrientationClicked(index);
}

void PrintWindow::optOrientationClicked(int index) {
    m_catalog.setOrientation(index == 1 ? PageOrientation::Landscape : PageOrientation::Portrait);
}

void PrintWindow::cmdPrintClicked() {
    const ReportChoice chosen = choice();
    if (chosen.report == ReportOption::NotChosen) {
        m_host.messages().show(
            {this, appinfo::Title, ChooseReportText, Messages::Icon::Warning, Messages::Buttons::Ok});
        return;
    }
    // No printer known (the first list is not in, or could not be read): the report waits for one
    // rather than going to the PDF device, which prints only when chosen.
    const QString device = m_catalog.currentName();
    if (!chosen.toFile && device.isEmpty()) {
        const bool listing = m_catalog.isListing();
        m_host.messages().show(
            {this, appinfo::Title, listing ? StillLookingText : NoPrinterText.arg(m_catalog.listFailure()),
             listing ? Messages::Icon::Information : Messages::Icon::Warning, Messages::Buttons::Ok});
        return;
    }
    const WaitCursor wait;
    const std::unique_ptr<ReportPrinter> printer = m_catalog.openPrinter(m_session.printer.fontName);
    const DispatchResult result = RunReportDispatch(m_session, chosen, *printer, [this](const QString& text) {
        infoPanel->setText(text);
        infoPanel->repaint();
    });
    if (!result.ok) {
        m_host.messages().show(
            {this, appinfo::Title, result.failure, Messages::Icon::Warning, Messages::Buttons::Ok});
        return;
    }
    // Where the PDF went, or that a paused printer holds the report: the panel keeps it in view, and a
    // printer that holds the report says so in a message too, as nothing comes out of it yet.
    const QString notice = printer->notice();
    if (notice.isEmpty()) {
        return;
    }
    infoPanel->setText(notice);
    if (device != PrinterCatalog::PdfDevice) {
        m_host.messages().show(
            {this, appinfo::Title, notice, Messages::Icon::Information, Messages::Buttons::Ok});
    }
}

void PrintWindow::done(int result) {
    if (m_mail->isRunning()) {
        m_mail->abort();
        setMailRunning(false);
    }
    PoolWindow::done(result);
}

QString PrintWindow::mailSubject() const {
    for (const QRadioButton* option : {ssnOption, wkOption, prdOption, rsltOption}) {
        if (option->isChecked()) {
            return option->text();
        }
    }
    return {};
}

void PrintWindow::cmdEmailClicked() {
    infoPanel->show();
    if (const QString missing = missingMailSetting(m_session.mail); !missing.isEmpty()) {
        m_host.messages().plain(this, appinfo::Title, missing);
        if (m_openMailSettings) {
            m_openMailSettings();
        }
        return;
    }
    if (choice().report == ReportOption::NotChosen) {
        m_host.messages().show(
            {this, appinfo::Title, ChooseMailReportText, Messages::Icon::Warning, Messages::Buttons::Ok});
        return;
    }
    std::vector<int> members;
    for (int m = 0; m < lstMember->count(); ++m) {
        if (lstMember->item(m)->isSelected()) {
            members.push_back(m);
        }
    }
    if (members.empty()) {
        m_host.messages().show(
            {this, appinfo::Title, SelectMemberText, Messages::Icon::Warning, Messages::Buttons::Ok});
        return;
    }

    fileOption->setChecked(true);
    PreparedMail mail;
    {
        const WaitCursor wait;
        mail = prepareReportMail(m_session, choice(), members, mailSubject(), QDateTime::currentDateTime(),
                                 [this](const QString& text) { infoPanel->setText(text); });
    }
    if (!mail.failure.isEmpty()) {
        m_host.messages().plain(this, appinfo::Title, mail.failure);
        return;
    }
    m_mailSelected = static_cast<int>(members.size());
    m_mailSkipped = std::move(mail.skipped);
    setMailRunning(true);
    const MailSettings& settings = m_session.mail;
    m_mail->start({settings.smtpServer, static_cast<uint16_t>(settings.smtpPort), settings.senderEmail},
                  std::move(mail.messages));
}

void PrintWindow::mailFinished(const MailOutcome& outcome) {
    setMailRunning(false);
    if (const QString summary = mailSummary(m_mailSelected, std::move(m_mailSkipped), outcome);
        !summary.isEmpty()) {
        m_host.messages().plain(this, appinfo::Title, summary);
    }
    m_mailSkipped.clear();
}

void PrintWindow::setMailRunning(bool running) {
    cmdPrint->setEnabled(!running);
    cmdEmail->setEnabled(!running && !lstMember->selectedItems().isEmpty());
    if (!running) {
        cmdEmail->setText(QStringLiteral("Send"));
    }
}

} // namespace vek
