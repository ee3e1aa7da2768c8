#include "AccountSetFixture.h"

#include "db/AccountSet.h"
#include "db/LoginValues.h"
#include "db/Query.h"
#include "db/SchemaUpgrade.h"
#include "util/Config.h"

void AccountSetFixture::SetUp()
{
    ASSERT_TRUE(home_.isValid());
    SetHomeDir(home_.path());
    AccountSet::Create(accountSetPath());
    db_ = std::make_unique<Database>(QStringLiteral("fixture"));
    db_->open(accountSetPath());
    UpgradeSchema(*db_);
    CurOperNo = QStringLiteral("00");
    CurOperName = QStringLiteral("admin");
    CurBizDate = QDate(2024, 5, 20);
}

void AccountSetFixture::TearDown()
{
    db_.reset();
}

QString AccountSetFixture::accountSetPath() const
{
    return AccountSet::FilePath(home_.path());
}

QVariant AccountSetFixture::scalar(const QString& sql, const Bindings& bindings)
{
    Query query(*db_, sql, bindings);
    return query.next() ? query.value(0) : QVariant();
}
