// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "dialog_template.h"

// Explains each button in a line, then what this version adds with its
// keys; its About button opens the About window, its Keys button the table
// of every key.
class CHelpDlg : public CDialogTemplate {
    Q_OBJECT

public:
    explicit CHelpDlg(QWidget* parent = nullptr);
    QPushButton* AboutButton() const { return about_; }
    QPushButton* KeysButton() const { return keys_; }
    void OnAbout();
    void OnKeys();

private:
    QPushButton* about_;
    QPushButton* keys_;
};
