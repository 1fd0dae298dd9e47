// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

// How long a window test waits for a window, an event or a process: a
// bound that only a fault reaches, even with every core busy with other
// work. Each wait ends as soon as its condition holds.

#include <QTest>

constexpr int kWaitMs = 60000;

// Qt Test's own QTRY_ waits give up after five seconds; here they wait as
// long as the others.
#undef QTRY_VERIFY
#define QTRY_VERIFY(expr) QTRY_VERIFY_WITH_TIMEOUT(expr, kWaitMs)
#undef QTRY_VERIFY2
#define QTRY_VERIFY2(expr, message) QTRY_VERIFY2_WITH_TIMEOUT(expr, message, kWaitMs)
#undef QTRY_COMPARE
#define QTRY_COMPARE(expr, expected) QTRY_COMPARE_WITH_TIMEOUT(expr, expected, kWaitMs)
