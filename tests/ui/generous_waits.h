// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
// How long a window test waits for a window, an event or a process: only a
// fault reaches it, even with every core busy. Qt Test's QTRY_ waits too.
#pragma once
#include <QTest>
constexpr int kWaitMs = 60000;
#undef QTRY_VERIFY
#define QTRY_VERIFY(expr) QTRY_VERIFY_WITH_TIMEOUT(expr, kWaitMs)
#undef QTRY_COMPARE
#define QTRY_COMPARE(expr, expected) QTRY_COMPARE_WITH_TIMEOUT(expr, expected, kWaitMs)
