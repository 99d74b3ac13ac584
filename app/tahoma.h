#pragma once

#include <QStringList>

// The pages are laid out for Tahoma. Where no Tahoma is installed, the free one that
// Debian's Wine fonts carry (outside fontconfig's folders) is made available to the program.
// True when a Tahoma is available afterwards.
bool loadTahoma();

// The files of that Tahoma, regular and bold.
QStringList wineTahomaFiles();
