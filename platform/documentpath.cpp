#include "platform/documentpath.h"

namespace platform {

QString standardDocumentPath(const QString& fileName)
{
    return QStringLiteral("c:\\Program Files\\TalverTable\\gost\\") + fileName;
}

}  // namespace platform
