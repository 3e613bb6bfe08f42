#pragma once

#include <QWidget>
#include <array>
#include <span>
#include <vector>

#include "electrical/PowerSection.h"

class QLabel;

// A sheet of independent power sections stacked under a heading; the heading and the formula
// captions follow the supply system chosen in the menu.
struct SheetLayout {
    qint16 kind;
    const char* objectName;
    const char* headingName;
    const char* headingThreePhase;
    const char* headingSinglePhase;
    std::span<const Section::Layout> sections;
};

class PowerSheet : public QWidget {
    Q_OBJECT
public:
    static constexpr int MaxHeaders = 12;

    int sectionCount() const { return static_cast<int>(sections.size()); }
    PowerSection* section(int index) const { return sections.at(index); }

protected:
    PowerSheet(const SheetLayout& layout, QWidget* parent);

private:
    QLabel* heading = nullptr;
    std::vector<PowerSection*> sections;
    // The column headers of every section's history, indexed as one array across the sheet.
    std::array<QLabel*, MaxHeaders> label2{};
};
