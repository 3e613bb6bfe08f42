#include "shell/frmSplash.h"

#include <QGridLayout>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "common/DrawingView.h"
#include "common/Fonts.h"
#include "common/Twips.h"
#include "shell/MDIMain.h"
#include "shell/ProductLabel.h"

namespace {
constexpr int clientWidthTwips = 8340;
constexpr int clientHeightTwips = 3615;
constexpr int frameWidthTwips = 8055;
constexpr int frameHeightTwips = 3495;
constexpr int handOverMs = 3000;
} // namespace

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Kelvo"));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    const double dpi = screen()->logicalDotsPerInch();
    setFixedSize(twipsToPixels(clientWidthTwips, dpi), twipsToPixels(clientHeightTwips, dpi));

    move(screen()->availableGeometry().center() - rect().center());

    auto* Frame1 = new QWidget(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry((width() - twipsToPixels(frameWidthTwips, dpi)) / 2,
                        (height() - twipsToPixels(frameHeightTwips, dpi)) / 2,
                        twipsToPixels(frameWidthTwips, dpi), twipsToPixels(frameHeightTwips, dpi));

    // The illustration is drawn at 504 x 360 and shown at half size to fit the window.
    auto* Image1 =
        new DrawingView(QStringLiteral(":/drawings/splash-image1.svg"), Frame1, {96, 96});
    auto* Image2 =
        new DrawingView(QStringLiteral(":/drawings/splash-image2.svg"), Frame1, {252, 180});
    auto* Image3 = new DrawingView(QStringLiteral(":/drawings/splash-image3.svg"), Frame1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image2->setObjectName(QStringLiteral("Image2"));
    Image3->setObjectName(QStringLiteral("Image3"));

    Label1 = new QLabel(Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    setBoldFont(Label1, 2.0); // the splash shows the name larger than the About box
    Label1->setText(productLabel());

    auto* layout = new QGridLayout(Frame1);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(Image2, 0, 0, 3, 1, Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(Image1, 0, 1, Qt::AlignHCenter | Qt::AlignBottom);
    layout->addWidget(Label1, 1, 1, 2, 1, Qt::AlignHCenter | Qt::AlignTop);
    layout->addWidget(Image3, 3, 0, 1, 2, Qt::AlignCenter);
    layout->setColumnStretch(1, 1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(handOverMs);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    Timer1->start();
}

frmSplash::~frmSplash() = default;

void frmSplash::Timer1_Timer() {
    Timer1->stop();
    if (m_main)
        return;
    m_main = std::make_unique<MDIMain>(this);
    m_main->show();
}
