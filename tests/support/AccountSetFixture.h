#pragma once

#include "QtPrinters.h"
#include "db/Database.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// A fresh account set, made by the real creation and upgrade code, in a temporary program folder
// that is also the home of config.ini.
class AccountSetFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString home() const { return home_.path(); }
    QString accountSetPath() const;
    Database& db() { return *db_; }
    // Runs a query and returns the first column of the first row.
    QVariant scalar(const QString& sql, const Bindings& bindings = {});

private:
    QTemporaryDir home_;
    std::unique_ptr<Database> db_;
};
