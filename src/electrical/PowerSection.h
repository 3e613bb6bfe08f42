#pragma once

#include <QGroupBox>
#include <QStringView>
#include <array>
#include <span>

#include "common/Calculated.h"
#include "common/EntryRow.h"
#include "common/Messages.h"
#include "common/ResultHistory.h"

class HistorySection;
class QLabel;
class QPushButton;
class VoltageList;

// The section the current, power and efficiency sheets repeat: a voltage list, up to three
// entries, the formula caption, CALCULATE and CLEAR, and a three-row history. Each section is
// described by a `SectionLayout` row; the sheets are tables of these rows.
namespace Section {

inline constexpr int MaxEntries = 3;
inline constexpr int MaxColumns = 5;

struct Entry {
    const char* caption;     // "KVA ="
    const char* captionName; // "Label1"
    const char* boxName;     // "txtKVA"
    const char* percentName; // the "(%)" label after a percentage box; null for a plain value
};

// What a history column shows.
enum class Shows { Volts, Entry0, Entry1, Entry2, Result };

struct Column {
    const char* name;   // the label array, "lblKVA"
    const char* header; // "KVA"
    int headerIndex;    // element of the sheet's header label array `label2`
    Shows shows;
    QStringView mask;
    bool frameBackground; // the newest-row cell takes the window-frame colour as background
};

// The entries in box order as typed, percentages divided by 100.
using Values = std::array<double, MaxEntries>;
using Compute = Calculated (*)(const Values& entries, double volts, bool threePhase);

struct Layout {
    const char* frameName;
    const char* caption;
    const char* voltsFrameName;
    const char* optionName;
    std::array<Entry, MaxEntries> entries;
    int entryCount;
    // The order the entries are read in; an empty box is set to "0" as it is read.
    std::array<int, MaxEntries> readOrder;
    const char* formulaName;
    const char* formulaThreePhase;
    const char* formulaSinglePhase;
    const char* clearName;
    const char* calculateName;
    const char* gridName;
    std::array<Column, MaxColumns> columns;
    int columnCount;
    Compute compute;
    // Told when the computation meets a zero divisor; null where no divisor can be zero.
    Message (*divisionMessage)();
};

} // namespace Section

class PowerSection : public QGroupBox {
    Q_OBJECT
public:
    // `headers` is the sheet's header label array; the section fills the elements it names.
    PowerSection(const Section::Layout& layout, std::span<QLabel*> headers, bool threePhase,
                 QWidget* parent);

    void cmdCalculate_Click();
    void cmdClear_Click();

    qint16 voltage() const { return intVoltage; }
    VoltageList* voltageList() const { return volts; }
    const EntryRow& entry(int index) const { return entries.at(index); }
    ResultHistory& history();

private:
    void buildControls(std::span<QLabel*> headers, bool threePhase);
    // Reads every entry in order, or tells the user why one cannot be read and returns false.
    bool readEntries(Section::Values& values) const;

    const Section::Layout& layout;
    qint16 intVoltage = 0;
    VoltageList* volts = nullptr;
    std::array<EntryRow, Section::MaxEntries> entries{};
    QLabel* formula = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdCalculate = nullptr;
    HistorySection* grid = nullptr;
};
