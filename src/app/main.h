#pragma once

#include "app/mainbuttons.h"
#include "app/startup.h"
#include "app/urlopener.h"

#include <QMainWindow>
#include <QString>

#include <array>
#include <cstdint>
#include <map>

class QAction;
class QDialog;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;

namespace vek {

class PoolSession;
class WindowHost;

/// The main window: the hub from which every other window is opened, with its five button frames, the
/// hint panel of its status bar and its menus (guided setup, mail settings, user guide, about box). Its
/// start-up sequence shows the splash window, fills the shared data model and runs the first
/// computations. main() owns it for the whole run; it asks main() to end the program through
/// `exitRequested`.
class Main final : public QMainWindow, public StartupHost {
    Q_OBJECT
public:
    static inline const QString DesignerCaption = QStringLiteral("Kestrelmoor");
    static constexpr int SeasonPanel = 2;
    static constexpr int WeekPanel = 3;
    static constexpr int HintPanel = 4;
    static inline const QString GuideFileName = QStringLiteral("qhvnab.htm");
    /// %1: the page's full path.
    static inline const QString GuideNotShown =
        QStringLiteral("The user guide %1 could not be shown: no program to show it could be started.");
    static inline const QString PrinterFontName = QStringLiteral("Courier New");

    Main(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);
    ~Main() override;

    /// The program's start-up: splash window, the main window on screen with its tool tips, the
    /// loading stages and the first computations. Runs once.
    void startUp();

    // What the loading stages need of the main window.
    void showStartupMessage(const QString& text) override;
    void setMainCaption(const QString& caption) override;
    void setStatusPanel(int panel, const QString& text) override;

    /// Sets the weekly entry window up for a mode (0 predictions, 1 results, 2 point spreads) and shows
    /// it modally. The caller sets `entryMode` to the same value first; the window reads that, not the
    /// mode. Public because the guided setup opens the window the same way.
    void OpenResultsPredict(int16_t mode);
    /// Sets the pick comparison window up for a mode (0 differences, 1 results) and shows it modally.
    /// The caller sets `entryMode` to the same value first.
    void OpenCompareDiffs(int16_t mode);

    /// Enables the seventeen command buttons from the data (Exit is never touched). Runs at the end of
    /// start-up, whenever the session asks for it after a confirmed change, and whenever a window opened
    /// from here returns.
    void RefreshMainButtons();

    /// Puts another opener in place of the desktop's for the user guide page (tests).
    void setUrlOpener(UrlOpener& opener) { m_urlOpener = &opener; }

signals:
    /// Exit or the close box: the program ends at once, without a prompt and without saving.
    void exitRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildFrames();
    void buildMenus();
    void buildStatusBar();
    QGroupBox* addFrame(int frame, const QString& caption);
    QPushButton* addButton(QGroupBox* frame, const char* name, const QString& caption, const QString& hint);
    void connectButtons();
    void runCommand(MainButton which);
    [[nodiscard]] QPushButton* button(MainButton which) const { return m_buttons[indexOf(which)]; }
    void setButtonToolTips();
    void showCurrentWeek();
    void showSeason();
    void refreshAfterChange();
    template <class W> void openModal();
    void showWindow(QDialog& window);
    void openSchedule();
    void runGuidedSetup();
    void openUserGuide();
    void setPrinterFont();

    PoolSession& m_session;
    WindowHost& m_host;

    std::map<const QObject*, QString> m_hints; // each button's hint for panel 4
    Table<QLabel*, 4> m_panels{};
    DesktopUrlOpener m_desktopOpener;
    UrlOpener* m_urlOpener = &m_desktopOpener;

    QLabel* imgLogo = nullptr;
    QLabel* Image1 = nullptr;
    Table<QGroupBox*, 5> m_frames{}; // Frame1 to Frame5
    Table<QPushButton*, MainButtonCount> m_buttons{};
    QPushButton* cmdExit = nullptr;
    QAction* menuEasy = nullptr;
    QAction* menuSettings = nullptr;
    QMenu* hlpFile = nullptr;
    QAction* helpAbout = nullptr;
    QAction* helpView = nullptr;
};

} // namespace vek
