#include "widgets/documentlink.h"

#include "platform/documentpath.h"
#include "platform/documents.h"
#include "platform/palette.h"
#include "widgets/clickablelabel.h"

namespace widgets {

void makeDocumentLink(ClickableLabel* label, const QString& documentFile, LinkStyle style)
{
    const bool darkBlue = style == LinkStyle::DarkBlueWithTooltip;
    platform::setCaptionColour(label, darkBlue ? documentLinkDarkBlue : documentLinkBlue);
    label->setToolTip(darkBlue ? QStringLiteral("Кликни для просмотра этого нормативного документа ") : QString());
    label->setCursor(Qt::PointingHandCursor);
    const QString path = platform::standardDocumentPath(documentFile);
    QObject::connect(label, &ClickableLabel::clicked, label, [path] { platform::openDocument(path); });
}

}  // namespace widgets
