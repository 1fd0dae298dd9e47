// SPDX-License-Identifier: MIT
// Copyright 2026 The Zifrel developers
#include "screen_reader.h"

#include <QAccessible>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QPointer>

namespace {

constexpr char kAlwaysOn[] = "QT_LINUX_ACCESSIBILITY_ALWAYS_ON";
const QString kService = QStringLiteral("org.a11y.Bus");
const QString kPath = QStringLiteral("/org/a11y/bus");
const QString kStatus = QStringLiteral("org.a11y.Status");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

// True when the user, not this program, set the toolkit's switch.
bool& SetByUser()
{
    static bool set = false;
    return set;
}

bool Flag(const QVariant& value)
{
    return value.canConvert<QDBusVariant>() ? value.value<QDBusVariant>().variant().toBool() : value.toBool();
}

} // namespace

void CScreenReader::PrepareToolkit()
{
    if (qEnvironmentVariableIsSet(kAlwaysOn)) {
        SetByUser() = true;
        return;
    }
    // The bridge still joins only a bus the desktop runs, and sends an event
    // only to a client that has asked for that kind.
    qputenv(kAlwaysOn, "1");
}

CScreenReader& CScreenReader::Instance()
{
    static QPointer<CScreenReader> instance;
    if (!instance)
        instance = new CScreenReader;
    return *instance;
}

CScreenReader::CScreenReader() : QObject(qApp)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (SetByUser() || !bus.isConnected())
        return;
    bus.connect(QString(), kPath, kProperties, QStringLiteral("PropertiesChanged"), {kStatus}, QString(), this,
                SLOT(OnPropertiesChanged(QString, QVariantMap, QStringList)));
    // Read without waiting, and without starting the bus's launcher where
    // the desktop has not.
    QDBusMessage get = QDBusMessage::createMethodCall(kService, kPath, kProperties, QStringLiteral("GetAll"));
    get << kStatus;
    get.setAutoStartService(false);
    auto* call = new QDBusPendingCallWatcher(bus.asyncCall(get), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* answered) {
        const QDBusPendingReply<QVariantMap> reply = *answered;
        if (reply.isValid())
            Take(reply.value());
        answered->deleteLater();
    });
}

bool CScreenReader::Listening() const { return QAccessible::isActive() && (SetByUser() || enabled_ || screenReader_); }

void CScreenReader::Take(const QVariantMap& status)
{
    if (const auto it = status.find(QStringLiteral("IsEnabled")); it != status.end())
        enabled_ = Flag(*it);
    if (const auto it = status.find(QStringLiteral("ScreenReaderEnabled")); it != status.end())
        screenReader_ = Flag(*it);
}

void CScreenReader::OnPropertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList&)
{
    if (interface == kStatus)
        Take(changed);
}
