#include "core/files/DataFolder.h"

#include "core/files/SpecialFolder.h"
#include "core/model/SpeciesWords.h"

namespace DataFolder {

QString path()
{
    return specialFolder(SpecialFolder::AppData) + QStringLiteral("/Avelor Abstammungsnachweis für ")
        + SpeciesWords::Plural + QLatin1Char('/');
}

} // namespace DataFolder
