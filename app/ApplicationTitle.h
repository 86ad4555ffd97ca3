#pragma once

#include <QString>

// The application title for an executable path: the file name without its folder and without
// everything from its first full stop on, every character after the first in lower case
// ("C:\kit\Orgola_S.exe" gives "Orgola_s"). Both separators count, as on Windows.
QString applicationTitle(const QString& executablePath);
