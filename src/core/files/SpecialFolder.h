#pragma once

#include <QString>

enum class SpecialFolder
{
    AppData, // per-user application data
    Documents, // the user's documents
};

// The one look-up of the user's special folders; no trailing slash.
QString specialFolder(SpecialFolder folder);
