#include "common/ElidedComboBox.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <algorithm>

ElidedComboBox::ElidedComboBox(QWidget* parent, int shownCharacters) : QComboBox(parent) {
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(shownCharacters);
    connect(this, &QComboBox::currentIndexChanged, this, [this] { setToolTip(currentText()); });
    connect(model(), &QAbstractItemModel::rowsInserted, this, [this] { itemsChanged(); });
    connect(model(), &QAbstractItemModel::rowsRemoved, this, [this] { itemsChanged(); });
    connect(model(), &QAbstractItemModel::modelReset, this, [this] { itemsChanged(); });
}

void ElidedComboBox::itemsChanged() {
    if (isVisible())
        fitLongestItem();
    else
        m_fitPending = true;
}

void ElidedComboBox::showEvent(QShowEvent* event) {
    QComboBox::showEvent(event);
    if (m_fitPending) {
        m_fitPending = false;
        fitLongestItem();
    }
}

void ElidedComboBox::fitLongestItem() {
    const QFontMetrics metrics = fontMetrics();
    int longest = 0;
    for (int i = 0; i < count(); ++i)
        longest = std::max(longest, metrics.horizontalAdvance(itemText(i)));
    // The size hint holds minimumContentsLength() characters of "x" beside the arrow and frame.
    const int shown = minimumContentsLength() * metrics.horizontalAdvance(u'x');
    setMaximumWidth(std::max(sizeHint().width(), sizeHint().width() - shown + longest + 2));
}

void ElidedComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    option.currentText =
        fontMetrics().elidedText(option.currentText, Qt::ElideRight, field.width() - 2);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}
