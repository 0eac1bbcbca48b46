#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QTimer;

namespace vek {

/// The splash window that start-up shows modally, owned by the main window, before anything is read.
/// Everything it shows comes from the application's values. It closes itself on the first tick of its
/// timer, or at once when the user clicks its frame, its logo or one of its labels; Esc does not close it.
class frmSplash final : public QDialog {
    Q_OBJECT
public:
    static constexpr int DefaultInterval = 5000; // ms

    explicit frmSplash(QWidget* parent = nullptr, int intervalMs = DefaultInterval);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void closeSplash();

    QFrame* Frame1 = nullptr;
    QLabel* imgLogo = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblProductName = nullptr;
    QLabel* lblProductEdition = nullptr;
    QLabel* lblPlatform = nullptr;
    QLabel* lblLoading = nullptr;
    QLabel* lblCompanyProduct = nullptr;
    QLabel* lblCopyright = nullptr;
    QTimer* Timer1 = nullptr;
};

} // namespace vek
