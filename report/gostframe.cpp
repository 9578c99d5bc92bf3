#include "report/gostframe.h"

#include <QFontMetricsF>
#include <QPainter>

namespace report::gostframe {

namespace {

constexpr double a4Width = 210;
constexpr double a4Height = 297;
constexpr double bindingMargin = 20;
constexpr double margin = 5;
constexpr double firstStampHeight = 40;
constexpr double nextStampHeight = 15;
constexpr double stampWidth = 185;
// The content keeps clear of the frame's lines.
constexpr double inset = 2;
// The graphs of the changes, shared by both forms: Изм., Кол.уч., Лист, № док., Подп., Дата.
constexpr double changeColumns[] = {0, 10, 20, 30, 40, 55, 65};

bool isLandscape(QSizeF page) { return page.width() > page.height(); }

double stampHeight(bool firstSheet) { return firstSheet ? firstStampHeight : nextStampHeight; }

// Draws in the millimetres of the portrait sheet.
class Sheet {
public:
    Sheet(QPainter& painter, double perMm) : painter(painter), perMm(perMm) {}

    QRectF box(double x, double y, double width, double height) const
    {
        return {x * perMm, y * perMm, width * perMm, height * perMm};
    }
    void line(double x1, double y1, double x2, double y2, double width = 0.5)
    {
        painter.setPen(QPen(Qt::black, width * perMm, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(x1 * perMm, y1 * perMm), QPointF(x2 * perMm, y2 * perMm));
    }
    void frame(double x, double y, double width, double height)
    {
        painter.setPen(QPen(Qt::black, 0.5 * perMm, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(box(x, y, width, height));
    }
    // The text in one line, cut with "…" to the graph less a millimetre each side.
    void text(const QString& text, double x, double y, double width, double height, double points,
              Qt::Alignment alignment = Qt::AlignCenter)
    {
        QFont font;
        font.setPointSizeF(points);
        painter.setFont(font);
        painter.setPen(Qt::black);
        const QRectF room = box(x + 1, y, width - 2, height);
        const QString fitted = QFontMetricsF(font, painter.device()).elidedText(text.simplified(), Qt::ElideRight, room.width());
        painter.drawText(room, int(alignment | Qt::AlignVCenter) | Qt::TextSingleLine, fitted);
    }

private:
    QPainter& painter;
    double perMm;
};

// The graphs of the changes: two rows of entries and the row of their captions, from `top`.
void changeGraphs(Sheet& sheet, double left, double top)
{
    const char16_t* captions[] = {u"Изм.", u"Кол.уч.", u"Лист", u"№ док.", u"Подп.", u"Дата"};
    for (int row = 1; row <= 3; ++row)
        sheet.line(left, top + 5 * row, left + 65, top + 5 * row, row == 3 ? 0.5 : 0.25);
    for (int c = 1; c < 6; ++c)
        sheet.line(left + changeColumns[c], top, left + changeColumns[c], top + 15);
    for (int c = 0; c < 6; ++c)
        sheet.text(QString::fromUtf16(captions[c]), left + changeColumns[c], top + 10, changeColumns[c + 1] - changeColumns[c], 5,
                   6);
}

void firstSheetStamp(Sheet& sheet, double left, double top, const Stamp& stamp, const QString& name, int sheets)
{
    changeGraphs(sheet, left, top);
    const char16_t* people[] = {u"Разраб.", u"Пров.", u"", u"Н.контр.", u"Утв."};
    for (int row = 4; row < 8; ++row)
        sheet.line(left, top + 5 * row, left + 65, top + 5 * row, 0.25);
    for (double x : {20.0, 40.0, 55.0})
        sheet.line(left + x, top + 15, left + x, top + 40);
    for (int row = 0; row < 5; ++row)
        sheet.text(QString::fromUtf16(people[row]), left, top + 15 + 5 * row, 20, 5, 6, Qt::AlignLeft);
    sheet.text(stamp.author, left + 20, top + 15, 20, 5, 6, Qt::AlignLeft);
    if (stamp.date.isValid())
        sheet.text(stamp.date.toString(QStringLiteral("MM.yy")), left + 55, top + 15, 10, 5, 6);
    sheet.line(left + 65, top, left + 65, top + 40);
    sheet.text(stamp.designation, left + 65, top, 120, 15, 11);
    sheet.line(left + 65, top + 15, left + 185, top + 15);
    sheet.line(left + 135, top + 15, left + 135, top + 40);
    // The name of the document: the object above, the document's own name below.
    if (stamp.object.trimmed().isEmpty()) {
        sheet.text(name, left + 65, top + 15, 70, 25, 9);
    } else {
        sheet.text(stamp.object, left + 65, top + 17, 70, 10, 8);
        sheet.text(name, left + 65, top + 28, 70, 10, 9);
    }
    for (double y : {20.0, 25.0})
        sheet.line(left + 135, top + y, left + 185, top + y);
    for (double x : {150.0, 165.0})
        sheet.line(left + x, top + 15, left + x, top + 25);
    sheet.text(QStringLiteral("Стадия"), left + 135, top + 15, 15, 5, 6);
    sheet.text(QStringLiteral("Лист"), left + 150, top + 15, 15, 5, 6);
    sheet.text(QStringLiteral("Листов"), left + 165, top + 15, 20, 5, 6);
    sheet.text(QStringLiteral("1"), left + 150, top + 20, 15, 5, 8);
    sheet.text(QString::number(sheets), left + 165, top + 20, 20, 5, 8);
}

void nextSheetStamp(Sheet& sheet, double left, double top, const Stamp& stamp, int number)
{
    changeGraphs(sheet, left, top);
    sheet.line(left + 65, top, left + 65, top + 15);
    sheet.line(left + 175, top, left + 175, top + 15);
    sheet.line(left + 175, top + 7, left + 185, top + 7);
    sheet.text(stamp.designation, left + 65, top, 110, 15, 11);
    sheet.text(QStringLiteral("Лист"), left + 175, top, 10, 7, 6);
    sheet.text(QString::number(number), left + 175, top + 7, 10, 8, 8);
}

}  // namespace

QRectF contentRoom(QSizeF page, double perMm, bool firstSheet)
{
    const double stamp = stampHeight(firstSheet);
    if (isLandscape(page))
        return {(margin + stamp + inset) * perMm, (bindingMargin + inset) * perMm,
                page.width() - (2 * margin + stamp + 2 * inset) * perMm, page.height() - (bindingMargin + margin + 2 * inset) * perMm};
    return {(bindingMargin + inset) * perMm, (margin + inset) * perMm, page.width() - (bindingMargin + margin + 2 * inset) * perMm,
            page.height() - (2 * margin + stamp + 2 * inset) * perMm};
}

void paint(QPainter& painter, QSizeF page, double perMm, const Stamp& stamp, const QString& name, int sheet, int sheets)
{
    painter.save();
    painter.resetTransform();
    if (isLandscape(page)) {
        painter.translate(page.width(), 0);
        painter.rotate(90);
    }
    Sheet drawing(painter, perMm);
    const double width = a4Width - bindingMargin - margin;
    const double height = a4Height - 2 * margin;
    drawing.frame(bindingMargin, margin, width, height);
    const double top = margin + height - stampHeight(sheet == 1);
    const double left = bindingMargin + width - stampWidth;
    drawing.line(left, top, left + stampWidth, top);
    const QString shownName = stamp.name.trimmed().isEmpty() ? name : stamp.name;
    if (sheet == 1)
        firstSheetStamp(drawing, left, top, stamp, shownName, sheets);
    else
        nextSheetStamp(drawing, left, top, stamp, sheet);
    painter.restore();
}

}  // namespace report::gostframe
