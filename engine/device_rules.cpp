#include "engine/device_rules.h"

#include <algorithm>

namespace velandry {

bool fatCannotHold(QStringView name)
{
    if (name.endsWith(u' ') || name.endsWith(u'.'))
        return true;
    return std::any_of(name.begin(), name.end(), [](QChar c) { return fatNameForbids(c.unicode()); });
}

bool isFatFileSystem(const QByteArray &type)
{
    const QByteArray name = type.toLower();
    return name == "vfat" || name == "msdos" || name == "fat" || name == "fat12" || name == "fat16" || name == "fat32"
           || name == "fuseblk" || name.contains("fusefat");
}

} // namespace velandry
