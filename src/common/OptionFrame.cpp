#include "common/OptionFrame.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

OptionFrame::OptionFrame(QWidget* parent, const QString& title, const QString& optionName,
                         const QStringList& captions, int chosen)
    : QGroupBox(title, parent), m_optionName(optionName) {
    m_group = new QButtonGroup(this);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    connect(m_group, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            emit chosenChanged(id);
    });
    setCaptions(captions, chosen);
}

int OptionFrame::chosen() const {
    return m_group->checkedId();
}

void OptionFrame::choose(int index) {
    if (index >= 0 && index < count())
        m_options[index]->setChecked(true);
}

void OptionFrame::setCaptions(const QStringList& captions, int chosen) {
    const QSignalBlocker quiet(m_group);
    for (QRadioButton* option : m_options) {
        m_group->removeButton(option);
        delete option;
    }
    m_options.clear();
    for (int i = 0; i < captions.size(); ++i) {
        auto* option = new QRadioButton(captions[i], this);
        option->setObjectName(QStringLiteral("%1_%2").arg(m_optionName).arg(i));
        m_group->addButton(option, i);
        layout()->addWidget(option);
        m_options.push_back(option);
    }
    if (!m_options.empty())
        m_options[std::clamp(chosen, 0, count() - 1)]->setChecked(true);
}

QStringList OptionFrame::captions() const {
    QStringList out;
    for (const QRadioButton* option : m_options)
        out << option->text();
    return out;
}
