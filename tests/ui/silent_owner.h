// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
//
// The silent clipboard owner as a child process, for the test and the bench
// that paste against it: started, and ended and waited for when it goes.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>

struct CEndProcess {
    void operator()(QProcess* process) const
    {
        process->kill();
        process->waitForFinished();
        delete process;
    }
};
using COwner = std::unique_ptr<QProcess, CEndProcess>;

// The owner, started from program; it holds the clipboard once it says
// "owner". Given a text, it holds that and answers. Null if it never says so
// within a minute.
inline COwner StartSilentOwner(const QString& program, const QStringList& text = {})
{
    COwner owner(new QProcess);
    owner->start(program, text);
    if (!owner->waitForReadyRead(60000) || owner->readLine().trimmed() != "owner")
        return nullptr;
    return owner;
}
