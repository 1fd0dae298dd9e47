// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

// The catalogues for the desktop's language (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG, in that order): Zifrel's own and the toolkit's. English needs only
// Zifrel's small catalogue of plural forms; it is also the fall-back for a
// language Zifrel has no catalogue for.
class CTranslations {
public:
    explicit CTranslations(const QLocale& locale = QLocale::system());
    CTranslations(const CTranslations&) = delete;
    CTranslations& operator=(const CTranslations&) = delete;
    ~CTranslations();

    // The language chosen, as a catalogue names it: "de", "en".
    QString Language() const { return language_; }
    // text in the language chosen; usable before the application exists.
    QString Text(const char* context, const char* text) const;
    // Hands the catalogues to the running application, so that tr() and the
    // toolkit's own dialogs speak the language.
    void Install();

    // Where Zifrel's catalogues are kept (in the program's resources).
    static QString Folder();

private:
    QString language_;
    QTranslator zifrel_;
    QTranslator toolkit_;
    bool installed_ = false;
};
