#pragma once
// What every test program shares: a throw-away settings store and a recorder for the
// common error message.
#include "platform/basHelp.h"

#include "platform/basWave.h"

#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

namespace quoxa::test {

// Points the settings store at a fresh folder for the whole test program. Call it in
// initTestCase, before anything reads a setting.
inline void UseScratchSettings()
{
    static QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
}

// Empties the game's whole store.
inline void ClearStore()
{
    QSettings settings(QStringLiteral("Quoxa"), QStringLiteral("Quoxa"));
    settings.clear();
    settings.sync();
}

inline void Store(const QString &section, const QString &key, const QString &value)
{
    QSettings settings(QStringLiteral("Quoxa"), QStringLiteral("Quoxa"));
    settings.setValue(section + QLatin1Char('/') + key, value);
    settings.sync();
}

inline QVariant Stored(const QString &section, const QString &key)
{
    QSettings settings(QStringLiteral("Quoxa"), QStringLiteral("Quoxa"));
    return settings.value(section + QLatin1Char('/') + key);
}

// The control of that name below root; a test without it cannot go on.
template <typename T = QWidget>
T *Find(const QObject *root, const QString &name)
{
    T *found = root->findChild<T *>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}

// Records, while it lives, the size of every clip played instead of playing it.
struct PlayedClips {
    QStringList sizes;
    basWave::Player old = basWave::SetPlayer([this](const QByteArray &wave, int) { sizes << QString::number(wave.size()); });
    ~PlayedClips() { basWave::SetPlayer(old); }
};

// Records every error message while it lives, instead of showing a box.
class ErrorRecorder {
public:
    ErrorRecorder()
    {
        mOld = basHelp::SetErrorSink([this](const QString &text) { messages << text; });
    }
    ~ErrorRecorder() { basHelp::SetErrorSink(mOld); }
    QStringList messages;

private:
    basHelp::ErrorSink mOld;
};

} // namespace quoxa::test
