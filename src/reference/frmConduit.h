#pragma once

#include <QWidget>
#include <array>

#include "database/SheetDatabase.h"
#include "reference/ConduitChoices.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The conduit sheet: pick a wire type, a wire size and a conduit trade size, and "Find Conduit"
// tells how many such conductors the conduit may hold.
class frmConduit : public QWidget {
    Q_OBJECT
public:
    // `databasePath` empty: the reference database beside the program.
    explicit frmConduit(QWidget* parent = nullptr, const QString& databasePath = {});
    ~frmConduit() override;

    void optType_Click(int index);
    void optSize_Click(int index);
    void optConSize_Click(int index);
    void cmdFind_Click();

private:
    void buildControls();
    void showResults(bool shown);

    QString typeCode = QStringLiteral("th");
    QString wireSize = QStringLiteral("14");
    QString conduitSize = QStringLiteral("1/2");

    SheetDatabase database; // a fault is told on each search, not on opening

    QLabel* Label8 = nullptr;
    QLabel* lblSources = nullptr;
    QGroupBox* fraType = nullptr;
    QGroupBox* fraSize = nullptr;
    QGroupBox* fraConSize = nullptr;
    std::array<QRadioButton*, ConduitChoices::wireTypes.size()> optType{};
    std::array<QRadioButton*, ConduitChoices::wireSizes.size()> optSize{};
    std::array<QRadioButton*, ConduitChoices::conduitSizes.size()> optConSize{};
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* lblConductors = nullptr;
    QLabel* lblWsize = nullptr;
    QLabel* lblCsize = nullptr;
    QLabel* lblNote = nullptr;
    QPushButton* cmdFind = nullptr;
};
