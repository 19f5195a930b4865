#include "appsettings.h"
// STUB: replaced by the settings work.
AppSettings::AppSettings(QObject *parent) : QObject(parent), settings(nullptr) {}
QString AppSettings::filePath() { return QString(); }
void AppSettings::setValue(const QString &, const QString &, const QVariant &) {}
QVariant AppSettings::value(const QString &, const QString &, const QVariant &defaultValue) { return defaultValue; }
