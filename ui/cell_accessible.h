// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include <QAccessibleWidget>

class CCellEdit;

// What a screen reader says of a cell: its name ("Row 3, column 7") and its
// value: the digit, "empty", or the candidates it shows.
class CCellAccessible : public QAccessibleWidget {
public:
    explicit CCellAccessible(CCellEdit* cell);
    QString text(QAccessible::Text kind) const override;

    // Makes the toolkit use this class for every cell.
    static void Install();
};
