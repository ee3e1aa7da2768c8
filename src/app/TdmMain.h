#pragma once

#include "db/Database.h"

// Owner of the connections: conZt to the account set, con2 to the second database that export
// and import open.
class TdmMain {
public:
    TdmMain();

    // Opens the account set; on failure tells the user and returns false.
    bool ConnectAccountSet();
    // Opens data/data<n>.db as con2; on failure tells the user and returns false.
    bool ConnectSecondSet(int n);
    // Connects, upgrades and logs in. False when the program must end (no account set, or the
    // login was cancelled). A failed upgrade is shown and skips the login, so the main window
    // opens with nobody logged in.
    bool DataModuleCreate();

    Database conZt;
    Database con2;
};
