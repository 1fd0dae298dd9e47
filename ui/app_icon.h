// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include <QIcon>

// The program's icon in every size it ships, for windows and the About box.
QIcon ZifrelIcon();
