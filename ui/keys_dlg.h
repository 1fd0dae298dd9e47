// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "dialog.h"

class QTableWidget;

// Every key of the board window in one table: the key, and what it does.
class CKeysDlg : public CDialog {
    Q_OBJECT

public:
    explicit CKeysDlg(QWidget* parent = nullptr);
    QTableWidget* Table() const { return table_; }

private:
    QTableWidget* table_;
};
