#include "help/formula.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace help::formula {
namespace {
constexpr qreal fractionGap = 2;     // between a bar and its numerator or denominator
constexpr qreal fractionOverhang = 2;
constexpr qreal viewMargin = 3;

// A numerator or denominator of more than one term is bracketed when written on one line.
QString grouped(const QString& term)
{
    const bool compound = term.contains(QLatin1Char(' ')) || term.contains(QChar(0xB7));
    return compound ? QLatin1Char('(') + term + QLatin1Char(')') : term;
}

QFont sized(qreal pointSize)
{
    QFont font = QApplication::font();
    font.setPointSizeF(pointSize);
    return font;
}

class Text : public Node {
public:
    Text(QString text, bool exponent) : content(std::move(text)), exponent(exponent) {}
    Box measure(const Fonts& fonts) const override
    {
        const QFontMetricsF metrics(font(fonts));
        return {metrics.horizontalAdvance(content), metrics.ascent(), metrics.descent()};
    }
    void draw(const Fonts& fonts, QPointF origin, Drawing& drawing) const override
    {
        drawing.texts.append({font(fonts), origin, content});
    }
    QString linear() const override { return content; }

private:
    const QFont& font(const Fonts& fonts) const { return exponent ? fonts.exponent : fonts.base; }
    QString content;
    bool exponent;
};

class Power : public Node {
public:
    Power(Part base, const QString& exponent) : base(std::move(base)), exponent(exponent, true) {}
    Box measure(const Fonts& fonts) const override
    {
        const Box b = base->measure(fonts);
        const Box e = exponent.measure(fonts);
        const qreal shift = raise(fonts, b);
        return {b.width + 1 + e.width, std::max(b.ascent, shift + e.ascent), std::max(b.descent, e.descent - shift)};
    }
    void draw(const Fonts& fonts, QPointF origin, Drawing& drawing) const override
    {
        const Box b = base->measure(fonts);
        base->draw(fonts, origin, drawing);
        exponent.draw(fonts, origin + QPointF(b.width + 1, -raise(fonts, b)), drawing);
    }
    QString linear() const override { return base->linear() + QLatin1Char('^') + exponent.linear(); }

private:
    // The exponent's baseline sits this far above the base's: near the top of a tall base.
    static qreal raise(const Fonts& fonts, const Box& base)
    {
        const QFontMetricsF exponentMetrics(fonts.exponent);
        const QFontMetricsF baseMetrics(fonts.base);
        return std::max(base.ascent - 0.55 * exponentMetrics.ascent(), 0.4 * baseMetrics.ascent());
    }
    Part base;
    Text exponent;
};

class Fraction : public Node {
public:
    Fraction(Part numerator, Part denominator) : numerator(std::move(numerator)), denominator(std::move(denominator)) {}
    Box measure(const Fonts& fonts) const override
    {
        const Box n = numerator->measure(fonts);
        const Box d = denominator->measure(fonts);
        const qreal axis = barHeight(fonts);
        return {std::max(n.width, d.width) + 2 * fractionOverhang, axis + fractionGap + n.descent + n.ascent,
                std::max(0.0, d.ascent + fractionGap + d.descent - axis)};
    }
    void draw(const Fonts& fonts, QPointF origin, Drawing& drawing) const override
    {
        const Box n = numerator->measure(fonts);
        const Box d = denominator->measure(fonts);
        const qreal width = std::max(n.width, d.width) + 2 * fractionOverhang;
        const qreal bar = origin.y() - barHeight(fonts);
        numerator->draw(fonts, {origin.x() + (width - n.width) / 2, bar - fractionGap - n.descent}, drawing);
        denominator->draw(fonts, {origin.x() + (width - d.width) / 2, bar + fractionGap + d.ascent}, drawing);
        drawing.rules.append(QLineF(origin.x() + 1, bar, origin.x() + width - 1, bar));
    }
    QString linear() const override { return grouped(numerator->linear()) + QLatin1Char('/') + grouped(denominator->linear()); }

private:
    // The bar stands at the middle of the lower-case letters, like a minus sign.
    static qreal barHeight(const Fonts& fonts) { return std::round(QFontMetricsF(fonts.base).xHeight() / 2 + 0.5); }
    Part numerator;
    Part denominator;
};

class Parenthesised : public Node {
public:
    explicit Parenthesised(Part inner) : inner(std::move(inner)) {}
    Box measure(const Fonts& fonts) const override
    {
        const Shape s = shape(fonts);
        return {s.open + s.inner.width + s.close, std::max(s.inner.ascent, s.inkTop),
                std::max(s.inner.descent, s.inkBottom)};
    }
    void draw(const Fonts& fonts, QPointF origin, Drawing& drawing) const override
    {
        const Shape s = shape(fonts);
        const QPointF parenthesisBaseline(origin.x(), origin.y() + s.baseline);
        drawing.texts.append({s.font, parenthesisBaseline, QStringLiteral("(")});
        inner->draw(fonts, origin + QPointF(s.open, 0), drawing);
        drawing.texts.append({s.font, parenthesisBaseline + QPointF(s.open + s.inner.width, 0), QStringLiteral(")")});
    }
    QString linear() const override { return QLatin1Char('(') + inner->linear() + QLatin1Char(')'); }

private:
    struct Shape {
        Box inner;
        QFont font;
        qreal open, close;
        qreal baseline;     // of the parentheses, below the formula's baseline
        qreal inkTop;       // above the formula's baseline
        qreal inkBottom;    // below it
    };
    // Parentheses whose ink spans what they enclose, centred on it.
    Shape shape(const Fonts& fonts) const
    {
        Shape s;
        s.inner = inner->measure(fonts);
        s.font = fonts.parenthesis;
        const qreal innerHeight = s.inner.ascent + s.inner.descent;
        const qreal standardInk = QFontMetricsF(s.font).tightBoundingRect(QStringLiteral("(")).height();
        if (innerHeight > standardInk)
            s.font.setPointSizeF(s.font.pointSizeF() * innerHeight / standardInk);
        const QFontMetricsF metrics(s.font);
        const QRectF ink = metrics.tightBoundingRect(QStringLiteral("("));
        s.open = metrics.horizontalAdvance(QLatin1Char('('));
        s.close = metrics.horizontalAdvance(QLatin1Char(')'));
        s.baseline = (s.inner.descent - s.inner.ascent) / 2 - ink.center().y();
        s.inkTop = -(s.baseline + ink.top());
        s.inkBottom = s.baseline + ink.bottom();
        return s;
    }
    Part inner;
};

class Row : public Node {
public:
    explicit Row(std::initializer_list<Part> parts) : parts(parts) {}
    Box measure(const Fonts& fonts) const override
    {
        Box total;
        for (const Part& part : parts) {
            const Box b = part->measure(fonts);
            total.width += b.width;
            total.ascent = std::max(total.ascent, b.ascent);
            total.descent = std::max(total.descent, b.descent);
        }
        return total;
    }
    void draw(const Fonts& fonts, QPointF origin, Drawing& drawing) const override
    {
        for (const Part& part : parts) {
            part->draw(fonts, origin, drawing);
            origin.rx() += part->measure(fonts).width;
        }
    }
    QString linear() const override
    {
        QString written;
        for (const Part& part : parts)
            written += part->linear();
        return written;
    }

private:
    QList<Part> parts;
};

class Inert : public Node {
public:
    explicit Inert(Part part) : part(std::move(part)) {}
    Box measure(const Fonts& fonts) const override { return part->measure(fonts); }
    void draw(const Fonts& fonts, QPointF origin, Drawing& drawing) const override
    {
        const Box b = part->measure(fonts);
        part->draw(fonts, origin, drawing);
        drawing.inert.append(QRectF(origin.x(), origin.y() - b.ascent, b.width, b.ascent + b.descent));
    }
    QString linear() const override { return part->linear(); }

private:
    Part part;
};
}  // namespace

Fonts standardFonts() { return {sized(9.75), sized(8.25), sized(13.5)}; }

Part text(const QString& content) { return std::make_shared<Text>(content, false); }
Part power(Part base, const QString& exponent) { return std::make_shared<Power>(std::move(base), exponent); }
Part power(const QString& base, const QString& exponent) { return power(text(base), exponent); }
Part fraction(Part numerator, Part denominator)
{
    return std::make_shared<Fraction>(std::move(numerator), std::move(denominator));
}
Part fraction(const QString& numerator, const QString& denominator)
{
    return fraction(text(numerator), text(denominator));
}
Part parenthesised(Part inner) { return std::make_shared<Parenthesised>(std::move(inner)); }
Part row(std::initializer_list<Part> parts) { return std::make_shared<Row>(parts); }
Part inert(Part part) { return std::make_shared<Inert>(std::move(part)); }

FormulaView::FormulaView(Part formula, QWidget* parent) : QWidget(parent), formula(std::move(formula)), fonts(standardFonts())
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(this->formula->linear());
}

QSize FormulaView::sizeHint() const
{
    const Box box = formula->measure(fonts);
    return QSize(int(std::ceil(box.width + 2 * viewMargin)), int(std::ceil(box.ascent + box.descent + 2 * viewMargin)));
}

Drawing FormulaView::layOut() const
{
    Drawing drawing;
    formula->draw(fonts, {viewMargin, viewMargin + formula->measure(fonts).ascent}, drawing);
    return drawing;
}

QList<QRectF> FormulaView::inertAreas() const { return layOut().inert; }

bool FormulaView::reactsAt(QPoint point) const
{
    const QList<QRectF> areas = inertAreas();
    return std::none_of(areas.begin(), areas.end(), [point](const QRectF& area) { return area.contains(point); });
}

void FormulaView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(palette().color(foregroundRole()), 1));
    const Drawing drawing = layOut();
    for (const auto& glyphs : drawing.texts) {
        painter.setFont(glyphs.font);
        painter.drawText(glyphs.baselineStart, glyphs.text);
    }
    for (const QLineF& rule : drawing.rules)
        painter.drawLine(rule);
}

}  // namespace help::formula
