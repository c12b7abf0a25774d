#include "core/file_name_check.h"

#include "core/numbers.h"

namespace {
const QString kForbidden = QStringLiteral("*$\\/#");
}

FileNameCheck CheckFileName(const QString& boxText, const FileNameRule& rule)
{
    const QString name = TrimBlanks(boxText);
    for (QChar ch : name) {
        if (kForbidden.contains(ch))
            return {FileNameVerdict::BadCharacter, name};
    }
    if (name.size() < rule.extensionLength)
        return {FileNameVerdict::BadExtension, name};
    const QString extension = TrimBlanks(name.right(rule.extensionLength));
    if (!rule.extensions.contains(extension))
        return {FileNameVerdict::BadExtension, name};
    return {FileNameVerdict::Accepted, name};
}

QString JoinFilePath(const QString& directory, const QString& name)
{
    if (directory.endsWith(QLatin1Char('/')))
        return directory + name;
    return directory + QLatin1Char('/') + name;
}
