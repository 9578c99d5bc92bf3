#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// The figures of a record for an explanatory note: each written with the significant digits it
// has, one precision per figure throughout the record, and enough of them that every line with
// numbers put into a formula gives its result from the numbers it shows.
namespace calc::description {

// A figure to n significant digits: "1,768", "0,0003778", and "4,778·10⁴" where a plain
// integer would show digits the figure does not have.
QString significantText(double value, int digits);
// A number as typed or tabulated, in full and with no exponent: "0,00005".
QString exactText(double value);

// One number of a record line: a figure of the calculation by its symbol, or a number typed or
// tabulated, written as given.
struct Term {
    QString symbol;  // empty for a number written as given
    double value = 0;
    QString text;
};
Term figure(const QString& symbol);
Term exact(double value);
Term exact(double value, const QString& text);

using Formula = std::function<double(const std::vector<double>& inputs)>;

class RecordLines {
public:
    void setFigure(const QString& symbol, double value);
    double figureValue(const QString& symbol) const { return values.value(symbol); }
    bool hasFigure(const QString& symbol) const { return values.contains(symbol); }

    void text(const QString& line);
    void text(const QStringList& lines);
    // A line with numbers in its %1, %2, …
    void line(const QString& pattern, const QList<Term>& terms);
    // A formula with its numbers put in: %1 … %n of the pattern take the inputs, %n+1 the result,
    // a figure that the formula gives from the inputs as written.
    void formula(const QString& pattern, const QList<Term>& inputs, const Formula& formula, const QString& result);

    // Every line, each figure with the fewest digits (four at least) that let each formula give
    // its result to the digits shown.
    QStringList written() const;

private:
    struct Line {
        QString pattern;
        QList<Term> terms;
        Formula formula;  // empty for a line that computes nothing
        QString result;
    };
    using Digits = QHash<QString, int>;
    QString termText(const Term& term, const Digits& digits, bool inFormula) const;
    double termValue(const Term& term, const Digits& digits) const;

    QList<Line> lines;
    QHash<QString, double> values;
};

}  // namespace calc::description
