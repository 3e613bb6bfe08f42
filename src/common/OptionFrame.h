#pragma once

#include <QGroupBox>
#include <QStringList>
#include <vector>

class QButtonGroup;
class QRadioButton;

// A titled frame of option buttons, one chosen at a time, named "<name>_<index>". The sheet
// learns of a new choice from chosenChanged, whether it came from a click, the arrow keys or a
// screen reader's toggle.
class OptionFrame : public QGroupBox {
    Q_OBJECT
public:
    OptionFrame(QWidget* parent, const QString& title, const QString& optionName,
                const QStringList& captions, int chosen = 0);

    int chosen() const;
    // Chooses `index` (emits chosenChanged when it changes the choice).
    void choose(int index);
    // Replaces the options; the first enabled one is chosen unless `chosen` names another.
    void setCaptions(const QStringList& captions, int chosen = 0);
    QStringList captions() const;
    QRadioButton* option(int index) const { return m_options.at(index); }
    int count() const { return static_cast<int>(m_options.size()); }

signals:
    void chosenChanged(int index);

private:
    QString m_optionName;
    QButtonGroup* m_group = nullptr;
    std::vector<QRadioButton*> m_options;
};
