#include "util/Config.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

namespace {

QString& homeDir()
{
    static QString dir;
    return dir;
}

QString settingsKey(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

constexpr int MaxValueLength = 2047;

} // namespace

void SetHomeDir(const QString& dir)
{
    homeDir() = QDir(dir).absolutePath();
}

QString HomeDir()
{
    if (homeDir().isEmpty())
        return QCoreApplication::applicationDirPath();
    return homeDir();
}

QString HomePath(const QString& relative)
{
    return QDir(HomeDir()).filePath(relative);
}

QString ConfigPath()
{
    return HomePath(QStringLiteral("config.ini"));
}

QString ReadConfig(const QString& section, const QString& key, const QString& defaultValue)
{
    const QSettings settings(ConfigPath(), QSettings::IniFormat);
    return settings.value(settingsKey(section, key), defaultValue).toString().left(MaxValueLength);
}

void WriteConfig(const QString& section, const QString& key, const QString& value)
{
    QSettings settings(ConfigPath(), QSettings::IniFormat);
    settings.setValue(settingsKey(section, key), value);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw ConfigError(QStringLiteral("无法写入配置文件 %1").arg(ConfigPath()).toStdString());
}
