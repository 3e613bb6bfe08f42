#pragma once

#include <QStringList>
#include <QWidget>
#include <optional>

#include "common/EntryRow.h"
#include "database/SheetTables.h"
#include "nec/ConductorTables.h"

class AnswerGrid;
class ButtonRow;
class HistorySection;
class QBoxLayout;
class QComboBox;
class QGridLayout;
class QLabel;
class StepsView;

// The frame every code-calculation sheet shares: its heading and sources line on top, the
// givens on the left, CALCULATE / CLEAR and the answers on the right, then an optional history
// and the worked steps. The sheet opens the tables it reads when it loads and fills the frame.
class CodeSheet : public QWidget {
    Q_OBJECT
public:
    CodeSheet(QWidget* parent, const QString& objectName, const QString& heading,
              const QStringList& tables);

    AnswerGrid* answers() const { return m_answers; }
    StepsView* steps() const { return m_steps; }
    ButtonRow* buttons() const { return m_buttons; }
    HistorySection* historySection() const { return m_history; }

protected:
    // Where the sheet lays out its givens: a grid, so option frames can sit side by side.
    QGridLayout* inputs() const { return m_inputs; }
    // Under the answers, for anything a sheet adds beside them (a grid of trade sizes).
    QBoxLayout* resultsColumn() const { return m_results; }
    // How the height beyond what the page needs is shared between the givens and answers
    // (`stretch`) and the steps (1); 0, the default, gives it all to the steps.
    void setBodyStretch(int stretch);
    // Adds the three-row history between the answers and the steps.
    HistorySection* addHistory(const QStringList& columnNames, const QStringList& headings);
    // A caption + entry pair in the givens; Enter in the box presses CALCULATE.
    EntryRow addEntry(const QString& caption, const QString& captionName, const QString& boxName,
                      const QString& text = {});

    // Blanks the answers and the steps, and the history if the sheet has one: the part of CLEAR
    // every code sheet shares.
    void clearResults();
    // A caption + drop-down pair in the givens; the caption is the list's buddy and its
    // accessible name. Layout is the sheet's.
    struct ListRow {
        QLabel* caption = nullptr;
        QComboBox* list = nullptr;
    };
    ListRow addList(const QString& caption, const QString& captionName, const QString& listName);

    SheetTables& tables() { return m_tables; }

    // The number in `row`'s box, or nothing after telling the user why it is not one.
    static std::optional<double> read(const EntryRow& row);
    // Shows a refusal in the error box ("Error").
    static void refuse(const Nec::Refusal& refusal);
    // The result of an outcome, or null after showing its refusal.
    template <class Result> static const Result* accept(const Nec::Outcome<Result>& outcome) {
        if (const auto* refusal = std::get_if<Nec::Refusal>(&outcome)) {
            refuse(*refusal);
            return nullptr;
        }
        return &std::get<Result>(outcome);
    }
    // The result would outlive the outcome it points into: keep the outcome in a variable.
    template <class Result> static const Result* accept(const Nec::Outcome<Result>&&) = delete;

    virtual void cmdCalculate_Click() = 0;
    virtual void cmdClear_Click() = 0;

private:
    SheetTables m_tables;
    QLabel* m_heading = nullptr;
    QLabel* m_sourcesLabel = nullptr;
    QGridLayout* m_inputs = nullptr;
    QBoxLayout* m_results = nullptr;
    QBoxLayout* m_page = nullptr;
    QBoxLayout* m_body = nullptr;
    AnswerGrid* m_answers = nullptr;
    ButtonRow* m_buttons = nullptr;
    HistorySection* m_history = nullptr;
    StepsView* m_steps = nullptr;
};
