#include "help/notelabel.h"

#include "widgets/clickablelabel.h"
#include "widgets/documentlink.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>
#include <cmath>

namespace help {

NoteLabel::NoteLabel(const QString& text, int width, QWidget* parent) : QLabel(text, parent), laidOutText(text)
{
    setFixedWidth(width);
    setWordWrap(true);
    layOut();
}

ClickableLabel* NoteLabel::linkOver(const QString& designation, const QString& caption, const QString& documentFile)
{
    const int start = int(text().indexOf(designation));
    Q_ASSERT(start >= 0);
    // A designation is never broken over two lines.
    for (int i = start; i < start + designation.size(); ++i)
        if (laidOutText[i] == QLatin1Char(' '))
            laidOutText[i] = QChar::Nbsp;
    ClickableLabel* link = newLink(caption, documentFile);
    link->setAutoFillBackground(true);  // hides the designation written beneath
    overlays.append({link, start, int(designation.size())});
    layOut();
    return link;
}

ClickableLabel* NoteLabel::linkAfter(const QString& caption, const QFont& captionFont, const QString& documentFile)
{
    ClickableLabel* link = newLink(caption, documentFile);
    link->setFont(captionFont);
    placeAfter(link);
    return link;
}

void NoteLabel::placeAfter(QLabel* follower, int gap)
{
    follower->setParent(this);
    laidOutText += QString(gap, QChar::Nbsp);
    const int start = int(laidOutText.size());
    QString kept = follower->text();
    kept.replace(QLatin1Char(' '), QChar::Nbsp);
    laidOutText += kept;
    // The room for the caption is laid out in its font and not drawn.
    QTextCharFormat room;
    room.setFont(follower->font());
    room.setForeground(Qt::transparent);
    formats.append({start, int(kept.size()), room});
    overlays.append({follower, start, int(kept.size())});
    layOut();
    follower->show();
}

ClickableLabel* NoteLabel::newLink(const QString& caption, const QString& documentFile)
{
    auto* link = new ClickableLabel(this);
    link->setText(caption);
    widgets::makeDocumentLink(link, documentFile, widgets::LinkStyle::BlueWithoutTooltip);
    return link;
}

void NoteLabel::layOut()
{
    layout.setText(laidOutText);
    layout.setFont(font());
    layout.setFormats(formats);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    qreal height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width());
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    setFixedHeight(int(std::ceil(height)));

    for (const Overlay& overlay : overlays) {
        const QRectF place = placeOf(overlay.start, overlay.length);
        const qreal captionWidth = QFontMetricsF(overlay.label->font()).horizontalAdvance(overlay.label->text());
        overlay.label->setGeometry(int(std::floor(place.x())), int(std::floor(place.y())),
                                int(std::ceil(std::max(place.width(), captionWidth))) + 1, int(std::ceil(place.height())));
    }
}

QRectF NoteLabel::placeOf(int start, int length) const
{
    const QTextLine line = layout.lineForTextPosition(start);
    const int lineEnd = line.textStart() + line.textLength();
    const qreal left = line.cursorToX(start);
    const qreal right = line.cursorToX(std::min(start + length, lineEnd));
    return QRectF(left, line.y(), right - left, line.height());
}

void NoteLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        layOut();
}

void NoteLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    layout.draw(&painter, QPointF(0, 0));
}

}  // namespace help
