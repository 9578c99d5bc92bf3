#pragma once

#include <QFont>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <initializer_list>
#include <memory>

namespace help::formula {

// Base text, exponents and the large parentheses of a formula.
struct Fonts {
    QFont base;
    QFont exponent;
    QFont parenthesis;
};
Fonts standardFonts();

// What a formula draws, in widget coordinates, and where it does not react to clicks.
struct Drawing {
    struct Glyphs {
        QFont font;
        QPointF baselineStart;
        QString text;
    };
    QList<Glyphs> texts;
    QList<QLineF> rules;
    QList<QRectF> inert;
};

// Extent of a laid-out part around its baseline.
struct Box {
    qreal width = 0;
    qreal ascent = 0;
    qreal descent = 0;
};

class Node {
public:
    virtual ~Node() = default;
    virtual Box measure(const Fonts& fonts) const = 0;
    // The part written on one line, "^" before an exponent and "/" for a fraction bar.
    virtual QString linear() const = 0;
    // Draws the part with its baseline starting at `origin`.
    virtual void draw(const Fonts& fonts, QPointF origin, Drawing& drawing) const = 0;
};
using Part = std::shared_ptr<const Node>;

Part text(const QString& text);
Part power(Part base, const QString& exponent);
Part power(const QString& base, const QString& exponent);
Part fraction(Part numerator, Part denominator);
Part fraction(const QString& numerator, const QString& denominator);
Part parenthesised(Part inner);
Part row(std::initializer_list<Part> parts);
// A part that ignores clicks: a click on it neither closes its window nor does anything else.
Part inert(Part part);

// A typeset formula on one line, drawn with fraction bars, raised exponents and tall parentheses.
// Its accessible name is the formula written on one line.
class FormulaView : public QWidget {
    Q_OBJECT
public:
    explicit FormulaView(Part formula, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    // False over the inert parts.
    bool reactsAt(QPoint point) const;
    QList<QRectF> inertAreas() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Drawing layOut() const;

    Part formula;
    Fonts fonts;
};

}  // namespace help::formula
