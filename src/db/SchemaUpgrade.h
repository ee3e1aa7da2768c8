#pragma once

class Database;

// Brings an account set of any earlier release up to the current schema. Each step tests one
// marker and runs its whole group; on a current account set only the tests run.
void UpgradeSchema(Database& db);
