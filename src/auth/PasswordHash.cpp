#include "auth/PasswordHash.h"

#include <crypt.h>

#include <memory>
#include <stdexcept>

namespace {

constexpr auto Prefix = "$y$";

} // namespace

QString HashPassword(const QString& password)
{
    char salt[CRYPT_GENSALT_OUTPUT_SIZE];
    if (!crypt_gensalt_rn(Prefix, 0, nullptr, 0, salt, sizeof salt))
        throw std::runtime_error("无法生成密码盐值");
    auto data = std::make_unique<crypt_data>();
    const char* hash = crypt_r(password.toUtf8().constData(), salt, data.get());
    if (!hash || hash[0] == '*')
        throw std::runtime_error("无法计算密码散列");
    return QString::fromLatin1(hash);
}

bool IsPasswordHash(const QString& stored)
{
    return stored.startsWith(QLatin1String(Prefix));
}

bool PasswordMatches(const QString& password, const QString& stored)
{
    if (!IsPasswordHash(stored))
        return password == stored;
    auto data = std::make_unique<crypt_data>();
    const char* hash =
        crypt_r(password.toUtf8().constData(), stored.toLatin1().constData(), data.get());
    return hash && QLatin1String(hash) == stored;
}
