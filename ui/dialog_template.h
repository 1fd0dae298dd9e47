// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "dialog.h"
#include "dialog_units.h"

#include <QDialog>

#include <optional>
#include <utility>
#include <vector>

class QLabel;
class QPushButton;

// A small fixed-size dialog laid out in dialog units of its own font, the
// way the Help and About windows are described: title, size, then controls
// placed one by one.
class CDialogTemplate : public CDialog {
public:
    CDialogTemplate(QWidget* parent, const QString& title, int width, int height);

protected:
    QLabel* AddText(int x, int y, int width, int height, const QString& text);
    // Places the texts once all are added (see there).
    void LayOutTexts();
    QPushButton* AddButton(int x, int y, int width, int height, const QString& caption);
    QLabel* AddIcon(int x, int y, int width, int height);
    const CDialogUnits& Units() const { return units_; }

private:
    std::optional<int> ControlBeside(const QRect& area) const;
    int RightLimit(const QRect& area) const;

    CDialogUnits units_;
    // Each text with its place in the layout, in dialog units.
    std::vector<std::pair<QLabel*, QRect>> texts_;
};
