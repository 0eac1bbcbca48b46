#pragma once

#include "model/table.h"
#include "output/smtpclient.h"
#include "reports/reportchoice.h"
#include "widgets/poolwindow.h"

#include <functional>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace vek {

class PrinterCatalog;
class UpDown;

/// The output dialog: the administrator chooses a report, its weeks and sections, the printer, its
/// orientation and the copies, or a report file (text or HTML), and Print sends the choice to the report
/// dispatch. Send Email writes the report file and mails it to each selected member with a usable
/// address, one message each, while the window stays responsive (Print and Send Email wait, closing the
/// window ends the session); one message at the end lists every member not mailed.
/// Its handlers keep the choice consistent; its load starts afresh each time it opens and has the
/// printers listed anew, which fill the list once they are in, while the window is already open; the
/// current printer lives on with the window's printer catalog. The main window opens it modally.
class PrintWindow final : public PoolWindow {
    Q_OBJECT
public:
    /// The results option's caption before a spinner or the option itself sets it.
    static inline const QString ResultsDesignCaption = QStringLiteral("Results Listing");
    static inline const QString ResultsCaption = QStringLiteral(" Results Listing");
    static inline const QString ResultsPlusCaption = QStringLiteral(" Results Listing + ...");
    static inline const QString SelectPrinterTitle = QStringLiteral("Select Printer !");
    static inline const QString SelectPrinterText =
        QStringLiteral("Select a printer from the list before pressing Select !");
    static inline const QString ChooseReportText = QStringLiteral("Choose a report before pressing Print !");
    static inline const QString ChooseMailReportText =
        QStringLiteral("Choose a report before pressing Send Email !");
    static inline const QString SelectMemberText =
        QStringLiteral("Select a member from the list before pressing Send Email !");
    static inline const QString LookingForPrintersText = QStringLiteral("Looking for the printers . . .");
    static inline const QString StillLookingText = QStringLiteral(
        "The printers are still being looked for: press Print again once the Selected Printer shows one.");
    /// Print to a printer when none is known because the list could not be read; %1 the reason.
    static inline const QString NoPrinterText =
        QStringLiteral("No printer is known: %1. Select PDF file to print into a PDF file.");
    /// Why the list offers only the PDF device; %1 the print server's failure.
    static inline const QString OnlyPdfText = QStringLiteral("%1; only PDF file is offered.");

    /// On the platform's printers.
    PrintWindow(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);
    /// On the printers of `catalog`, which outlives the window; the mail client's timer ticks every
    /// `mailTickMs`.
    PrintWindow(PoolSession& session, WindowHost& host, PrinterCatalog& catalog,
                int mailTickMs = SmtpClient::TickMs, QWidget* parent = nullptr);
    ~PrintWindow() override;

    /// How Send Email shows the mail settings window when a setting is missing (the window lives above
    /// this one); without an opener it only says what is missing.
    void setMailSettingsOpener(std::function<void()> opener) { m_openMailSettings = std::move(opener); }

    /// Closing the window ends a mail session that is still running.
    void done(int result) override;

    /// The choice as the controls and form values hold it now.
    [[nodiscard]] ReportChoice choice() const;

protected:
    void loadWindow() override;

private:
    void buildControls();
    void buildLayout();

    void prdOptionClicked();
    void rsltOptionClicked();
    void ssnOptionClicked();
    void wkOptionClicked();
    void noneOptionClicked();
    /// A results report over the whole season is kind 2, over any other range kind 1; both spinners and
    /// the Unsorted option apply it.
    void applyResultsKind();
    void fromSpinChanged(int position);
    void toSpinChanged(int position);
    void copiesSpinChanged(int position);
    void chkAllClicked();
    void chkHtmlClicked();
    void cmdSelectClicked();
    void optOrientationClicked(int index);
    void cmdPrintClicked();
    void cmdEmailClicked();
    void mailFinished(const MailOutcome& outcome);
    /// While a mail session runs, Print and Send Email wait for it.
    void setMailRunning(bool running);
    [[nodiscard]] QString mailSubject() const;

    /// The last week of the season, never below week 0 (an empty schedule keeps the weeks at 0).
    [[nodiscard]] int16_t lastWeek() const;
    [[nodiscard]] bool wholeSeason() const;
    [[nodiscard]] QString weeklyFileName() const;
    void showPanels();
    void enableSections(bool postSeason, bool ledger, bool standings, bool differences);
    void enableSpinners(bool on);
    void clearReportOptions();
    /// The catalog's list, the current printer and how the list stands; the row the user picked stays
    /// picked where the new list has it too.
    void showPrinters();
    void showCurrentPrinter();

    std::unique_ptr<PrinterCatalog> m_ownCatalog;
    PrinterCatalog& m_catalog;
    SmtpClient* m_mail = nullptr;
    std::function<void()> m_openMailSettings;
    // The members of the running mail session: how many were selected, and those left out.
    int m_mailSelected = 0;
    std::vector<NotMailed> m_mailSkipped;

    // Form values; the weeks are 0-based.
    int16_t m_reportKind = KindNotChosen;
    int16_t m_fromWeek = 0;
    int16_t m_toWeek = 0;
    int16_t m_copies = 1;

    QGroupBox* Frame1 = nullptr; // "Print Options"
    QButtonGroup* m_reportGroup = nullptr;
    QRadioButton* prdOption = nullptr;
    QRadioButton* rsltOption = nullptr;
    QRadioButton* ssnOption = nullptr;
    QRadioButton* wkOption = nullptr;
    QRadioButton* noneOption = nullptr;
    QCheckBox* psCheck = nullptr;
    QCheckBox* ledgerCheck = nullptr;
    QCheckBox* standCheck = nullptr;
    QCheckBox* diffCheck = nullptr;
    QCheckBox* profileCheck = nullptr;
    QGroupBox* frmStyle = nullptr;
    QRadioButton* unsortedOption = nullptr;
    QRadioButton* sortedOption = nullptr;
    UpDown* fromSpin = nullptr;
    UpDown* toSpin = nullptr;
    UpDown* copiesSpin = nullptr;
    QLabel* fromPanel = nullptr;
    QLabel* toPanel = nullptr;
    QLabel* copiesPanel = nullptr;
    QCheckBox* fileOption = nullptr;
    QCheckBox* chkHTML = nullptr;
    QListWidget* lstMember = nullptr;
    QCheckBox* chkAll = nullptr;
    QPushButton* cmdEmail = nullptr;
    QListWidget* lstPrinters = nullptr;
    QPushButton* cmdSelect = nullptr;
    QLabel* lblPrinterStatus = nullptr; // that the list is being read, or why it holds only the PDF device
    QLabel* lblSelectedPrinter = nullptr;
    Table<QRadioButton*, 2> optOrientation{}; // 0 "Portrait", 1 "Landscape"
    QButtonGroup* m_orientationGroup = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdCancel = nullptr;
    QLabel* infoPanel = nullptr;
};

} // namespace vek
