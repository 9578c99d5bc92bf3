#pragma once

#include <QSvgRenderer>
#include <QWidget>

// The small line drawing beside a fitting row.
class FittingDrawing : public QWidget {
    Q_OBJECT
public:
    explicit FittingDrawing(QWidget* parent = nullptr);

    void load(const QString& resource);
    QString resource() const { return loaded; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer renderer;
    QString loaded;
};
