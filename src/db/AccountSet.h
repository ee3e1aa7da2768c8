#pragma once

#include <QString>

class Database;

// The account set as it is delivered with the program: the base tables, one rights row per
// gated menu entry, the administrator and the numbered settings 1 to 8. The schema upgrade
// adds everything later releases brought.
namespace AccountSet {

inline constexpr auto AdminName = "admin";
inline constexpr auto AdminInitialPassword = "admin";

// data/zt000.db below the program's folder.
QString FilePath(const QString& homeDir);
// Writes a new account set; refuses to overwrite an existing file.
void Create(const QString& filePath);

} // namespace AccountSet
