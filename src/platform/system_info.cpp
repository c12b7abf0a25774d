#include "platform/system_info.h"

#include <QProcess>

bool ReadRegistryValue(RegistryRoot, const QString&, const QString&, QString& value)
{
    value.clear();
    return false;
}

bool StartProgram(const QString& path)
{
    return QProcess::startDetached(path, {});
}
