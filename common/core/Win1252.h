#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The single-byte text of every data file. Bytes that Windows-1252 leaves
// undefined map to the control characters of the same code, so that any stored
// byte reads back and writes out unchanged; characters it cannot hold become '?'.
QString FromWin1252(QByteArrayView bytes);
QByteArray ToWin1252(QStringView text);
