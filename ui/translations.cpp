// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>

namespace {

// The first of the desktop's languages Zifrel has a catalogue for, else
// English. uiLanguages() lists "de-DE" before "de"; catalogues are named by
// language alone.
QString ChooseLanguage(const QLocale& locale)
{
    for (const QString& tag : locale.uiLanguages()) {
        const QString language = QLocale(tag).name().section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("en") || language == QLatin1String("C"))
            return QStringLiteral("en");
        if (QFileInfo::exists(CTranslations::Folder() + QStringLiteral("/zifrel_%1.qm").arg(language)))
            return language;
    }
    return QStringLiteral("en");
}

} // namespace

CTranslations::CTranslations(const QLocale& locale) : language_(ChooseLanguage(locale))
{
    // A catalogue that fails to load leaves the English originals, which is
    // what the program shows anyway.
    (void)zifrel_.load(QStringLiteral("zifrel_") + language_, Folder());
    // Loading Qt's own catalogue costs start-up time; English has no need of it.
    if (language_ != QLatin1String("en"))
        (void)toolkit_.load(QStringLiteral("qtbase_") + language_, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

CTranslations::~CTranslations()
{
    if (installed_ && QCoreApplication::instance()) {
        QCoreApplication::removeTranslator(&toolkit_);
        QCoreApplication::removeTranslator(&zifrel_);
    }
}

QString CTranslations::Text(const char* context, const char* text) const
{
    const QString translated = zifrel_.translate(context, text);
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

void CTranslations::Install()
{
    if (!zifrel_.isEmpty())
        QCoreApplication::installTranslator(&zifrel_);
    if (!toolkit_.isEmpty())
        QCoreApplication::installTranslator(&toolkit_);
    installed_ = true;
}

QString CTranslations::Folder() { return QStringLiteral(":/i18n"); }
