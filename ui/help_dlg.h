// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "dialog_template.h"

// Explains each button in a line; its About button opens the About window.
class CHelpDlg : public CDialogTemplate {
    Q_OBJECT

public:
    explicit CHelpDlg(QWidget* parent = nullptr);
    QPushButton* AboutButton() const { return about_; }
    void OnAbout();

private:
    QPushButton* about_;
};
