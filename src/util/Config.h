#pragma once

#include <QString>

#include <stdexcept>

class ConfigError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The program's folder: where data/, config.ini, rep/ and bk.jpg live.
void SetHomeDir(const QString& dir);
QString HomeDir();
QString HomePath(const QString& relative);
QString ConfigPath();

// config.ini is opened afresh at every call, so edits by hand or by another copy are seen at once.
QString ReadConfig(const QString& section, const QString& key, const QString& defaultValue);
void WriteConfig(const QString& section, const QString& key, const QString& value);
