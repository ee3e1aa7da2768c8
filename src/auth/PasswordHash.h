#pragma once

#include <QString>

// Passwords are kept as salted one-way hashes. An account set from an older release may still
// hold plain text; it matches as before and is replaced by its hash at the next login.
QString HashPassword(const QString& password);
bool IsPasswordHash(const QString& stored);
// Letter case counts; an empty password matches an empty or missing one.
bool PasswordMatches(const QString& password, const QString& stored);
