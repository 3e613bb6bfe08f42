#pragma once

#include <QWidget>

#include "reference/EnclosureRatingTexts.h"

// The enclosure-rating sheet of the NEMA, UL and CSA kind: a title and a two-column table of
// the nine ratings with their descriptions; which body's texts it shows is its only setting.
class frmEnclosureRating : public QWidget {
    Q_OBJECT
public:
    explicit frmEnclosureRating(EnclosureRatingTexts::Body body, QWidget* parent = nullptr);
};

// The three sheets as the menu opens them (frmEnclosureNema, frmEnclosureUL, frmEnclosureCSA).
QWidget* makeEnclosureNema();
QWidget* makeEnclosureUL();
QWidget* makeEnclosureCSA();
