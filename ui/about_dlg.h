// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include "dialog_template.h"

// The program's name, version and a few words about it.
class CAboutDlg : public CDialogTemplate {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    QPushButton* OkButton() const { return ok_; }

private:
    QPushButton* ok_;
};
