#pragma once
// The entry point of the audio output module: plays a RIFF WAVE image on the default
// output and returns at once, while it plays. No device, a busy one or data it cannot take:
// silence, at once.
#include <QtGlobal>

extern "C" void QuoxaPlayWave(const char *data, qint64 size) noexcept;
