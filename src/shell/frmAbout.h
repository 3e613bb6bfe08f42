#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About box: product name and version beside a picture; OK unloads it. Not modal.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    void cmdOK_Click();

private:
    QLabel* Label1 = nullptr;
    QPushButton* cmdOK = nullptr;
};
