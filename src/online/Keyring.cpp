// The password of an online account in the desktop's keyring, through its secret service:
// nothing of it ever goes to the settings file.
// GLib before Qt: GLib names a field `signals`, which Qt's headers take for a keyword.
#include <libsecret/secret.h>

#include "online/LinkWire.h"

namespace {

const SecretSchema *Schema()
{
    static const SecretSchema schema = [] {
        SecretSchema s{};
        s.name = "org.quoxa.OnlineAccount";
        s.flags = SECRET_SCHEMA_NONE;
        s.attributes[0] = {"account", SECRET_SCHEMA_ATTRIBUTE_STRING};
        return s;
    }();
    return &schema;
}

// What went wrong, and the error freed.
QString Problem(GError *error)
{
    const QString text = error ? QString::fromUtf8(error->message) : QString();
    if (error)
        g_error_free(error);
    return text;
}

} // namespace

extern "C" bool QuoxaKeepPassword(const QString &account, const QString &password, QString *problem)
{
    GError *error = nullptr;
    const QByteArray user = account.toUtf8(), secret = password.toUtf8(), label = "Quoxa: " + user;
    const bool kept = secret_password_store_sync(Schema(), SECRET_COLLECTION_DEFAULT, label.constData(), secret.constData(),
                                                 nullptr, &error, "account", user.constData(), nullptr);
    const QString why = Problem(error);
    if (problem)
        *problem = why;
    return kept;
}

extern "C" bool QuoxaFindPassword(const QString &account, QString *password)
{
    GError *error = nullptr;
    gchar *found = secret_password_lookup_sync(Schema(), nullptr, &error, "account", account.toUtf8().constData(), nullptr);
    Problem(error);
    if (password)
        *password = found ? QString::fromUtf8(found) : QString();
    if (found)
        secret_password_free(found);
    return found != nullptr;
}

extern "C" bool QuoxaForgetPassword(const QString &account)
{
    GError *error = nullptr;
    const bool forgotten = secret_password_clear_sync(Schema(), nullptr, &error, "account", account.toUtf8().constData(), nullptr);
    Problem(error);
    return forgotten;
}
