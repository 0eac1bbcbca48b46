#include "app/frmsplash.h"

#include "app/logo.h"
#include "model/appinfo.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace vek {

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QString& family,
                  int pointSize, bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font(family);
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

} // namespace

frmSplash::frmSplash(QWidget* parent, int intervalMs)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(appinfo::Title);
    // The hourglass until the owner has taken over; start-up sets the arrow right after loading.
    setCursor(Qt::WaitCursor);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setFrameShadow(QFrame::Raised);
    Frame1->setLineWidth(2);

    imgLogo = new QLabel(Frame1);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(drawLogo(128));

    // The typeface of the product's name may be missing; Qt then falls back to a near match.
    const QString productFace = QStringLiteral("Bernhard Modern Roman");
    const QString textFace = QStringLiteral("Arial");
    lblCompanyProduct = makeLabel(Frame1, "lblCompanyProduct", appinfo::CompanyProduct, textFace, 11, true);
    lblProductName = makeLabel(Frame1, "lblProductName", appinfo::Title, productFace, 30, true);
    lblProductEdition = makeLabel(Frame1, "lblProductEdition", appinfo::Description, productFace, 18);
    lblPlatform = makeLabel(Frame1, "lblPlatform", QStringLiteral("Win95/98/ME/NT/2000/XP"), textFace, 10);
    lblVersion = makeLabel(Frame1, "lblVersion", appinfo::versionText(), textFace, 10, true);
    lblLoading = makeLabel(Frame1, "lblLoading", QString(), textFace, 9);
    lblCopyright = makeLabel(Frame1, "lblCopyright", appinfo::Copyright, textFace, 8);
    lblPlatform->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblVersion->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* grid = new QGridLayout(Frame1);
    grid->setContentsMargins(18, 14, 18, 14);
    grid->setHorizontalSpacing(20);
    grid->addWidget(lblCompanyProduct, 0, 0, 1, 2);
    grid->addWidget(imgLogo, 1, 0, 4, 1, Qt::AlignTop);
    grid->addWidget(lblProductName, 1, 1);
    grid->addWidget(lblProductEdition, 2, 1);
    grid->addWidget(lblPlatform, 3, 1);
    grid->addWidget(lblVersion, 4, 1);
    grid->addWidget(lblLoading, 5, 0, 1, 2);
    grid->addWidget(lblCopyright, 6, 0, 1, 2);
    grid->setRowStretch(5, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8); // the window's own background shows around the frame
    layout->addWidget(Frame1);

    for (QWidget* target :
         {static_cast<QWidget*>(Frame1), static_cast<QWidget*>(imgLogo), static_cast<QWidget*>(lblVersion),
          static_cast<QWidget*>(lblProductName), static_cast<QWidget*>(lblProductEdition),
          static_cast<QWidget*>(lblPlatform), static_cast<QWidget*>(lblLoading),
          static_cast<QWidget*>(lblCompanyProduct), static_cast<QWidget*>(lblCopyright)}) {
        target->installEventFilter(this);
    }

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(intervalMs);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::closeSplash);
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
    // Only the filtered controls close the window; a click on the background around the frame does not.
    if (event->type() == QEvent::MouseButtonPress && watched != this) {
        closeSplash();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
    // A dialog closes on Esc; the splash closes only on its timer or a click.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmSplash::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The wait counts from the moment the window is on screen.
    Timer1->start();
}

void frmSplash::closeSplash() {
    Timer1->stop();
    accept();
}

} // namespace vek
