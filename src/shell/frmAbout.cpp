#include "shell/frmAbout.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "common/DrawingView.h"
#include "common/Fonts.h"
#include "shell/ProductLabel.h"

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Kelvo"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/about.svg")));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    auto* Image1 = new DrawingView(QStringLiteral(":/drawings/about-image1.svg"), this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("Kelvo emblem"));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    setBoldFont(Label1, ProductLabelScale);
    Label1->setText(productLabel());

    auto* blurb = new QLabel(QStringLiteral("Calculators and reference tables\n"
                                            "for electricians and electrical technicians."),
                             this);
    blurb->setObjectName(QStringLiteral("lblDescription"));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Image1, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(Label1, 0, 1, Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(blurb, 1, 1, Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(cmdOK, 2, 1, Qt::AlignBottom | Qt::AlignRight);
    layout->setColumnStretch(1, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmAbout::cmdOK_Click() {
    close();
}
